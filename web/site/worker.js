// The page's worker: it loads the search (combinix.js, combinix.wasm) and
// runs it on request, on its own thread, so that the page stays responsive.
// The page ends a running search by ending the worker (Abort) and starts a
// fresh one for the next search. The search's stores stay in the worker
// between requests: the sort buttons and the schematics read the records
// of the last search.
//
// From the page:  {kind: 'search', args: [...], stockName, stock, stockBName, stockB}
//                 (a name null: no such list)
//                 {kind: 'sort', byValue: bool}
//                 {kind: 'svg', line: n}
// To the page:    {kind: 'ready', texts, initial, version, searching, pairAborted}
//                 {kind: 'progress', line, found, aborted}   while a search runs
//                                   (aborted: a pair search's outcome were it
//                                   aborted now; '' for the single search)
//                 {kind: 'live', text}              the Result text so far
//                 {kind: 'done', status, out, err, ms}
//                 {kind: 'sorted', out, err}
//                 {kind: 'svg', line, svg}
'use strict';

const waiting = [];
let started = false;
let warmingUp = false;

var Module = {
  locateFile: (path) => path,
  print: () => {},
  printErr: () => {},
  onProgress: (line, found, aborted = '') => warmingUp || postMessage({ kind: 'progress', line, found, aborted }),
  onResults: (text) => warmingUp || postMessage({ kind: 'live', text }),
  postRun: [() => {
    postMessage(readyMessage());
    warmUp();
    started = true;
    waiting.splice(0).forEach(handle);
  }],
};

importScripts('combinix.js');

// The captions in both languages and the program's initial texts.
function readyMessage() {
  const texts = {};
  const count = Module._webPageTextCount();
  for (let i = 0; i < count; ++i) {
    const name = Module.UTF8ToString(Module._webPageTextName(i));
    texts[name] = [Module.UTF8ToString(Module._webPageText(i, 0)),
                   Module.UTF8ToString(Module._webPageText(i, 1))];
  }
  const text = (buffer) => Module.UTF8ToString(Module._webInitialText(buffer));
  // Text buffers 1 to 4 are the inputs; List n of part type t is stored in
  // buffer 10 + 3 (n - 1) + t.
  const lists = {};
  ['resistor', 'capacitor', 'inductor'].forEach((type, t) => {
    lists[type] = [0, 1, 2].map((n) => text(10 + 3 * n + t));
  });
  return {
    kind: 'ready',
    texts,
    initial: { target: text(1), tolerance: text(2), maxParts: text(3), range: text(4), lists },
    version: Module.UTF8ToString(Module._webVersion()),
    searching: [0, 1].map((language) => Module.UTF8ToString(Module._webSearchStartingText(language))),
    pairAborted: [0, 1].map((language) => Module.UTF8ToString(Module._webPairAbortedText(language))),
  };
}

function cString(text) {
  const size = Module.lengthBytesUTF8(text) + 1;
  const pointer = Module._malloc(size);
  Module.stringToUTF8(text, pointer, size);
  return pointer;
}

function search(args, stockName, stock, stockBName = null, stockB = null) {
  const argv = ['combinix-search'].concat(args).map(cString);
  const array = Module._malloc(4 * argv.length);
  argv.forEach((pointer, i) => Module.setValue(array + 4 * i, pointer, 'i32'));
  const lists = [stockName, stock, stockBName, stockB];
  const pointers = [0, 2].flatMap((i) => (lists[i] === null ? [0, 0] : [cString(lists[i]), cString(lists[i + 1])]));
  const start = performance.now();
  const status = Module._webRunSearch(argv.length, array, ...pointers);
  const ms = performance.now() - start;
  argv.forEach((pointer) => Module._free(pointer));
  Module._free(array);
  pointers.forEach((pointer) => pointer && Module._free(pointer));
  return {
    kind: 'done', status, ms,
    out: Module.UTF8ToString(Module._webOutput()),
    err: Module.UTF8ToString(Module._webErrors()),
  };
}

// The browser first runs the code as it compiles it quickest and compiles a
// function at full optimisation only once the function has run a while;
// a function that runs the whole of a long search in one call would stay
// as it was first compiled and take twice as long. So the worker starts
// with a small search that runs every template and the bridge (sixty
// values spread from 150 to 9900 ohm, a target none of their networks
// meets: about 15 ms natively), and the searches asked for find their code
// optimised.
function warmUp() {
  const values = [];
  for (let i = 0; i < 60; ++i) values.push(Math.round(150 * Math.pow(66, i / 59)));
  warmingUp = true;
  search(['--stock=List 1', '--target=3.1415926k', '--tolerance=1e-9', '--range=1000'], 'List 1',
         values.join('\n') + '\n');
  warmingUp = false;
}

function handle(request) {
  switch (request.kind) {
    case 'search':
      postMessage(search(request.args, request.stockName, request.stock, request.stockBName, request.stockB));
      break;
    case 'sort':
      Module._webSortResults(request.byValue ? 1 : 0);
      postMessage({ kind: 'sorted', out: Module.UTF8ToString(Module._webOutput()),
                    err: Module.UTF8ToString(Module._webErrors()) });
      break;
    case 'svg':
      postMessage({ kind: 'svg', line: request.line, svg: Module.UTF8ToString(Module._webLineSvg(request.line)) });
      break;
  }
}

onmessage = (event) => {
  if (started) handle(event.data);
  else waiting.push(event.data);
};
