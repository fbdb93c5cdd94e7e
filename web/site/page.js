// The page: the window's inputs and the pair search's, the URL that holds
// them, the lists kept in localStorage, and the worker that searches. A search is combinix-search
// run in the worker with the inputs as its options (the URL's names are the
// options' long names), so the page shows the very lines, outcome and
// messages the command line prints for the same inputs.
//
// For tests and scripts: each result line is an element of class "result"
// whose text is the line, the outcome line is #outcome, the command's
// messages are #messages, and document.body.dataset.state is "running"
// while a search runs and "done" once it has ended (also by Abort);
// dataset.searchMs is the last search's time in the worker.
'use strict';

(function () {
  const TYPES = ['resistor', 'capacitor', 'inductor'];
  const TYPE_LETTERS = { r: 'resistor', c: 'capacitor', l: 'inductor' };
  const EDITABLE_LISTS = ['1', '2', '3'];
  const STORE_KEY = 'combinix.lists';
  // The pair search: the kinds whose sides hold two part types (A's, B's),
  // and the kinds each of its inputs goes with (all, where none is named),
  // as combinix-search --pair takes them.
  const TWO_TYPES = { rc: ['resistor', 'capacitor'], lc: ['inductor', 'capacitor'] };
  const PAIR_INPUTS = [
    // field, option, element, the kinds it goes with
    ['target', 'target', 'pair-target', ['ratio', 'divider', 'rc']],
    ['vin', 'vin', 'vin', ['divider']],
    ['vout', 'vout', 'vout', ['divider', 'feedback']],
    ['vref', 'vref', 'vref', ['feedback']],
    ['frequency', 'frequency', 'frequency', ['rc', 'lc']],
    ['maxParts', 'max-parts', 'pair-max-parts', null],
    ['rangeA', 'range-a', 'range-a', null],
    ['rangeB', 'range-b', 'range-b', null],
    ['rangeTotal', 'range-total', 'range-total', ['ratio', 'divider', 'feedback']],
    ['limit', 'limit', 'limit', null],
  ];

  const $ = (id) => document.getElementById(id);

  let texts = null;    // caption name -> [Japanese, English]
  let initial = null;  // the program's initial inputs and lists
  let version = '';
  let searching = ['', ''];  // the progress line before a search tells more
  let pairAborted = ['', ''];  // a pair search's outcome when aborted before it told more
  let worker = null;
  let running = false;
  // The worker's stores hold the records of the lines shown, searched with
  // these inputs (the URL's query without sort and run).
  let resultsInWorker = false;
  let searchedInputs = null;
  let lastFound = 0;
  let runningPair = false;  // the search running is a pair search
  let lastAborted = '';     // its outcome were it aborted now, as the worker last told it
  let chosenLine = -1;

  // The inputs. Texts are kept as typed; a part type or list the page has
  // no button for (from a link) is kept too and handed to the command,
  // which names what is wrong with it.
  const state = {
    search: 'single',  // or 'pair'
    type: 'resistor', target: '', tolerance: '', maxParts: '', range: '', list: '1',
    showAll: false, parallelOnly: false, sort: '', lang: 'en',
    // The pair search's own inputs; empty ones are left to the command's
    // defaults. A's stock is the list chosen above, B's listB ('' as A).
    pair: { mode: 'divider', target: '', vin: '', vout: '', vref: '', frequency: '', maxParts: '',
            rangeA: '', rangeB: '', rangeTotal: '', limit: '', listB: '' },
    lists: null,       // part type -> [List 1, List 2, List 3], as stored
    linkStock: null,   // {type, index, text}: a list from a link, shown but not stored
    linkStockB: null,  // the same for side B of a pair
  };

  const language = () => (state.lang === 'ja' ? 0 : 1);
  const text = (name) => (texts && texts[name] ? texts[name][language()] : '');

  // ---- The lists in localStorage -------------------------------------------

  function loadLists() {
    const lists = {};
    let stored = null;
    try {
      stored = JSON.parse(localStorage.getItem(STORE_KEY) || 'null');
    } catch (e) {
      stored = null;
    }
    for (const type of TYPES) {
      const kept = stored && Array.isArray(stored[type]) ? stored[type] : [];
      lists[type] = [0, 1, 2].map((i) => (typeof kept[i] === 'string' ? kept[i] : initial.lists[type][i]));
    }
    return lists;
  }

  function storeLists() {
    try {
      localStorage.setItem(STORE_KEY, JSON.stringify(state.lists));
    } catch (e) {
      // A browser that keeps nothing (private mode, storage full) still searches.
    }
  }

  // The text of a list as side `side` (0 A, 1 B) searches it and as its box
  // shows it: a link's list where the link gave one for it (the side's own
  // first, then the other side's), else the stored list.
  function sideListText(side, type, index) {
    const links = side === 0 ? [state.linkStock, state.linkStockB] : [state.linkStockB, state.linkStock];
    for (const link of links) {
      if (link && link.type === type && link.index === index) return link.text;
    }
    return state.lists[type] ? state.lists[type][index] : '';
  }

  // A list typed into is the user's own from now on: it is stored, and a
  // link's list for it is gone.
  function listTyped(type, index, value) {
    if (!TYPES.includes(type)) return;
    for (const key of ['linkStock', 'linkStockB']) {
      const link = state[key];
      if (link && link.type === type && link.index === index) state[key] = null;
    }
    state.lists[type][index] = value;
    storeLists();
  }

  // B's list as its radios show it: an RC or LC pair's B takes E24 where
  // none is named, as the command does.
  function shownListB() {
    if (state.pair.listB === '' && TWO_TYPES[state.pair.mode]) return 'E24';
    return state.pair.listB;
  }

  const pairSearch = () => state.search === 'pair';
  // The part types of side A (the lists shown) and of side B.
  function sideTypes() {
    if (pairSearch() && TWO_TYPES[state.pair.mode]) return TWO_TYPES[state.pair.mode];
    return [state.type, state.type];
  }
  const pairInputApplies = (kinds) => !kinds || kinds.includes(state.pair.mode);

  // ---- The URL ---------------------------------------------------------------

  function readUrl() {
    const query = new URLSearchParams(location.search);
    const flag = (name) => query.has(name) && !['0', 'false', 'no'].includes(query.get(name));
    if (query.has('type')) state.type = TYPE_LETTERS[query.get('type')] || query.get('type');
    if (query.has('pair')) {
      state.search = 'pair';
      state.pair.mode = query.get('pair');
      for (const [field, option] of PAIR_INPUTS) {
        if (query.has(option)) state.pair[field] = query.get(option);
      }
      if (query.has('list-b')) state.pair.listB = query.get('list-b');
    } else {
      if (query.has('target')) state.target = query.get('target');
      if (query.has('max-parts')) state.maxParts = query.get('max-parts');
      if (query.has('range')) state.range = query.get('range');
    }
    if (query.has('tolerance')) state.tolerance = query.get('tolerance');
    if (query.has('list')) state.list = query.get('list');
    state.showAll = flag('show-all');
    state.parallelOnly = flag('parallel-only');
    if (query.has('sort')) state.sort = query.get('sort');
    if (query.get('lang') === 'ja' || query.get('lang') === 'en') state.lang = query.get('lang');
    const [typeA, typeB] = sideTypes();
    const index = EDITABLE_LISTS.indexOf(state.list);
    if (query.has('stock') && index >= 0 && TYPES.includes(typeA)) {
      state.linkStock = { type: typeA, index, text: query.get('stock') };
    }
    const indexB = EDITABLE_LISTS.indexOf(state.pair.listB);
    if (pairSearch() && query.has('stock-b') && indexB >= 0 && TYPES.includes(typeB)) {
      state.linkStockB = { type: typeB, index: indexB, text: query.get('stock-b') };
    }
    return flag('run');
  }

  // The inputs as the URL's query: the options' long names, the value
  // inputs only where they differ from the initial texts.
  function inputsQuery() {
    if (pairSearch()) return pairQuery();
    const query = new URLSearchParams();
    query.set('type', state.type);
    if (state.target !== initial.target) query.set('target', state.target);
    if (state.tolerance !== initial.tolerance) query.set('tolerance', state.tolerance);
    if (state.maxParts !== initial.maxParts) query.set('max-parts', state.maxParts);
    if (state.range !== initial.range) query.set('range', state.range);
    query.set('list', state.list);
    const index = EDITABLE_LISTS.indexOf(state.list);
    if (index >= 0) query.set('stock', sideListText(0, state.type, index));
    if (state.showAll) query.set('show-all', '1');
    if (state.parallelOnly) query.set('parallel-only', '1');
    query.set('lang', state.lang);
    return query;
  }

  function pairQuery() {
    const query = new URLSearchParams();
    const mode = state.pair.mode;
    const [typeA, typeB] = sideTypes();
    query.set('pair', mode);
    if (!TWO_TYPES[mode]) query.set('type', state.type);
    for (const [field, option, , kinds] of PAIR_INPUTS) {
      if (pairInputApplies(kinds) && state.pair[field] !== '') query.set(option, state.pair[field]);
    }
    if (state.tolerance !== initial.tolerance) query.set('tolerance', state.tolerance);
    query.set('list', state.list);
    const index = EDITABLE_LISTS.indexOf(state.list);
    if (index >= 0) query.set('stock', sideListText(0, typeA, index));
    if (state.pair.listB !== '') query.set('list-b', state.pair.listB);
    const indexB = EDITABLE_LISTS.indexOf(state.pair.listB);
    if (indexB >= 0) query.set('stock-b', sideListText(1, typeB, indexB));
    query.set('lang', state.lang);
    return query;
  }

  function writeUrl() {
    const query = inputsQuery();
    if (state.sort && !pairSearch()) query.set('sort', state.sort);
    // A link to shown results runs the search when it is opened.
    if (resultsInWorker && searchedInputs === inputsQuery().toString()) query.set('run', '1');
    history.replaceState(null, '', '?' + query.toString());
  }

  // ---- Showing the inputs ----------------------------------------------------

  function applyCaptions() {
    document.documentElement.lang = state.lang;
    for (const element of document.querySelectorAll('[data-text]')) {
      element.textContent = text(element.dataset.text);
    }
    $('version').textContent = text('version').replace('%s', version);
  }

  function showInputs() {
    for (const radio of document.querySelectorAll('input[name="search"]')) radio.checked = radio.value === state.search;
    for (const radio of document.querySelectorAll('input[name="pair"]')) radio.checked = radio.value === state.pair.mode;
    showListB();
    for (const [field, , id] of PAIR_INPUTS) $(id).value = state.pair[field];
    showTypes();
    for (const radio of document.querySelectorAll('input[name="list"]')) radio.checked = radio.value === state.list;
    $('target').value = state.target;
    $('tolerance').value = state.tolerance;
    $('max-parts').value = state.maxParts;
    $('range').value = state.range;
    $('show-all').checked = state.showAll;
    $('parallel-only').checked = state.parallelOnly;
    showLists();
  }

  function showLists() {
    const [typeA, typeB] = sideTypes();
    EDITABLE_LISTS.forEach((name, index) => {
      $('list-' + name).value = sideListText(0, typeA, index);
      // B's own boxes, shown only when B's type is not A's.
      $('list-b-' + name).value = typeB !== typeA ? sideListText(1, typeB, index) : '';
    });
  }

  function showListB() {
    const listB = shownListB();
    for (const radio of document.querySelectorAll('input[name="list-b"]')) radio.checked = radio.value === listB;
  }

  // The part type radios show side A's type; an RC or LC pair fixes it.
  function showTypes() {
    const typeA = sideTypes()[0];
    const fixed = pairSearch() && !!TWO_TYPES[state.pair.mode];
    for (const radio of document.querySelectorAll('input[name="type"]')) {
      radio.checked = radio.value === typeA;
      radio.disabled = fixed || running;
    }
  }

  // The rows of the search and the kind of pair chosen (data-show:
  // "single", "pair" or "pair:ratio,divider").
  function showRows() {
    for (const element of document.querySelectorAll('[data-show]')) {
      const [search, kinds] = element.dataset.show.split(':');
      const shown = search === state.search && (!kinds || kinds.split(',').includes(state.pair.mode));
      element.hidden = !shown;
    }
  }

  // While a search runs, what it read at its start cannot change, as in the
  // window; Show All, Parallel only, the list choice and the language stay.
  function lockForRun(locked) {
    const controls = ['target', 'tolerance', 'max-parts', 'range', 'execute', 'sort-error', 'sort-value',
                      'list-1', 'list-2', 'list-3', 'list-b-1', 'list-b-2', 'list-b-3'].concat(PAIR_INPUTS.map((input) => input[2]));
    for (const id of controls) $(id).disabled = locked;
    for (const radio of document.querySelectorAll('input[name="search"], input[name="pair"]')) {
      radio.disabled = locked;
    }
    $('abort').disabled = !locked;
    showTypes();
  }

  function setState(name) {
    document.body.dataset.state = name;
    // The progress line changes a few times a second: a screen reader
    // announces the outcome once the search has ended.
    $('results').setAttribute('aria-busy', name === 'running' ? 'true' : 'false');
  }

  // ---- Results ---------------------------------------------------------------

  // The command's text output: the result lines, then the outcome line.
  function showOutput(out) {
    const lines = out.split('\n');
    if (lines.length > 0 && lines[lines.length - 1] === '') lines.pop();
    const outcome = lines.length > 0 ? lines.pop() : '';
    showLines(lines);
    $('outcome').textContent = outcome;
  }

  function showLines(lines) {
    const list = $('lines');
    const items = lines.map((line, k) => {
      const item = document.createElement('li');
      item.className = 'result';
      item.textContent = line;
      item.tabIndex = k === 0 ? 0 : -1;
      item.setAttribute('role', 'option');
      item.setAttribute('aria-selected', 'false');
      item.dataset.line = String(k);
      return item;
    });
    list.replaceChildren(...items);
    chosenLine = -1;
    $('drawing').replaceChildren(hint());
  }

  function hint() {
    const p = document.createElement('p');
    p.className = 'note';
    p.dataset.text = 'chooseLine';
    p.textContent = text('chooseLine');
    return p;
  }

  function showMessages(err) {
    const messages = $('messages');
    messages.textContent = err.replace(/\n$/, '');
    messages.hidden = err === '';
  }

  function chooseLine(item) {
    if (!item || running || !resultsInWorker) return;
    const k = Number(item.dataset.line);
    for (const other of $('lines').children) {
      const chosen = other === item;
      other.setAttribute('aria-selected', chosen ? 'true' : 'false');
      other.tabIndex = chosen ? 0 : -1;
    }
    chosenLine = k;
    worker.postMessage({ kind: 'svg', line: k });
  }

  function showSchematic(line, svg) {
    if (line !== chosenLine) return;
    const drawing = $('drawing');
    if (svg === '') {
      drawing.replaceChildren(hint());
      return;
    }
    // The library's own SVG, whose texts it has escaped for XML.
    const parsed = new DOMParser().parseFromString(svg, 'image/svg+xml').documentElement;
    if (parsed.nodeName !== 'svg') return;
    parsed.setAttribute('role', 'img');
    // Half as large again as drawn, narrowed to the screen where need be.
    const width = Number(parsed.getAttribute('width'));
    if (width > 0) parsed.style.width = (1.5 * width) + 'px';
    drawing.replaceChildren(document.importNode(parsed, true));
  }

  // ---- The worker --------------------------------------------------------------

  function startWorker(onReady) {
    worker = new Worker('worker.js');
    // A worker that cannot load its code (a page opened from the file
    // system, a host that lacks combinix.wasm) says so where messages go.
    worker.onerror = (event) => {
      showMessages(event.message || 'The search could not be loaded.');
      event.preventDefault();
    };
    worker.onmessage = (event) => {
      const message = event.data;
      switch (message.kind) {
        case 'ready':
          if (onReady) onReady(message);
          break;
        case 'progress':
          if (!running) break;
          lastFound = message.found;
          lastAborted = message.aborted;
          $('outcome').textContent = message.line;
          break;
        case 'live':
          if (running) showLines(message.text.split('\n').filter((line) => line !== ''));
          break;
        case 'done':
          finishSearch(message);
          break;
        case 'sorted':
          finishSort(message);
          break;
        case 'svg':
          showSchematic(message.line, message.svg);
          break;
      }
    };
  }

  function commandArguments() {
    if (pairSearch()) return pairArguments();
    const args = ['--type=' + state.type, '--target=' + state.target, '--tolerance=' + state.tolerance,
                  '--max-parts=' + state.maxParts, '--range=' + state.range, '--list=' + state.list];
    // The list the page shows, as the file the command's --stock reads: a
    // message about it names it as the page does.
    let stockName = null;
    let stock = null;
    const index = EDITABLE_LISTS.indexOf(state.list);
    if (index >= 0) {
      stockName = 'List ' + state.list;
      args.push('--stock=' + stockName);
      stock = sideListText(0, state.type, index);
    }
    if (state.showAll) args.push('--show-all');
    if (state.parallelOnly) args.push('--parallel-only');
    if (state.sort) args.push('--sort=' + state.sort);
    args.push('--lang=' + state.lang);
    return { args, stockName, stock };
  }

  // The pair search's options: A's list as --list, or the list shown as
  // the file --stock reads; B's as --list-b or --stock-b; and --svg, whose
  // files are the schematics of the lines.
  function pairArguments() {
    const mode = state.pair.mode;
    const [typeA, typeB] = sideTypes();
    const args = ['--pair=' + mode];
    if (!TWO_TYPES[mode]) args.push('--type=' + state.type);
    for (const [field, option, , kinds] of PAIR_INPUTS) {
      if (pairInputApplies(kinds) && state.pair[field] !== '') args.push('--' + option + '=' + state.pair[field]);
    }
    args.push('--tolerance=' + state.tolerance);
    let stockName = null;
    let stock = null;
    const index = EDITABLE_LISTS.indexOf(state.list);
    if (index >= 0) {
      stockName = 'List ' + state.list;
      args.push('--stock=' + stockName);
      stock = sideListText(0, typeA, index);
    } else {
      args.push('--list=' + state.list);
    }
    let stockBName = null;
    let stockB = null;
    const indexB = EDITABLE_LISTS.indexOf(state.pair.listB);
    if (indexB >= 0) {
      stockBName = 'List ' + state.pair.listB + ' (B)';
      args.push('--stock-b=' + stockBName);
      stockB = sideListText(1, typeB, indexB);
    } else if (state.pair.listB !== '') {
      args.push('--list-b=' + state.pair.listB);
    }
    args.push('--svg=drawings', '--lang=' + state.lang);
    return { args, stockName, stock, stockBName, stockB };
  }

  function execute() {
    if (running || !worker) return;
    const { args, stockName, stock, stockBName = null, stockB = null } = commandArguments();
    running = true;
    resultsInWorker = false;
    searchedInputs = inputsQuery().toString();
    lastFound = 0;
    runningPair = pairSearch();
    lastAborted = '';
    lockForRun(true);
    showMessages('');
    showLines([]);
    $('outcome').textContent = searching[language()];
    setState('running');
    worker.postMessage({ kind: 'search', args, stockName, stock, stockBName, stockB });
  }

  function finishSearch(message) {
    if (!running) return;
    running = false;
    resultsInWorker = true;
    showOutput(message.out);
    showMessages(message.err);
    document.body.dataset.searchMs = message.ms.toFixed(1);
    lockForRun(false);
    writeUrl();
    setState('done');
    // On a phone the results lie below the inputs and lists.
    if (window.matchMedia('(max-width: 760px)').matches) $('results').scrollIntoView({ block: 'start' });
  }

  function finishSort(message) {
    if (!running) return;
    running = false;
    showOutput(message.out);
    showMessages(message.err);
    lockForRun(false);
    writeUrl();
    setState('done');
  }

  // Abort ends the worker at once, and with it the search; a fresh worker
  // takes the next one. The lines shown so far stay, as in the window.
  function abort() {
    if (!running) return;
    worker.terminate();
    running = false;
    resultsInWorker = false;
    // The outcome the window shows when its Abort ends the search.
    $('outcome').textContent = runningPair ? lastAborted || pairAborted[language()]
                                           : text('aborted').replace('%d', String(lastFound));
    lockForRun(false);
    $('execute').disabled = true;
    startWorker(() => {
      $('execute').disabled = running;
    });
    writeUrl();
    setState('done');
  }

  // The window's sort buttons order the records of the search shown; once
  // the inputs have changed (or Abort ended the worker) the search runs
  // again in that order.
  function sortBy(order) {
    if (running) return;
    state.sort = order;
    if (resultsInWorker && searchedInputs === inputsQuery().toString()) {
      // As in the window, the controls are locked while the records are
      // ordered; for a test it is work that runs and ends like a search.
      running = true;
      lockForRun(true);
      setState('running');
      worker.postMessage({ kind: 'sort', byValue: order === 'value' });
    } else {
      writeUrl();
      execute();
    }
  }

  // ---- Wiring ------------------------------------------------------------------

  function inputChanged() {
    writeUrl();
  }

  function wire() {
    $('inputs').addEventListener('submit', (event) => {
      event.preventDefault();
      execute();
    });
    $('abort').addEventListener('click', abort);
    document.addEventListener('keydown', (event) => {
      if (event.key === 'Escape' && running) abort();
    });
    $('language').addEventListener('click', () => {
      state.lang = state.lang === 'ja' ? 'en' : 'ja';
      applyCaptions();
      writeUrl();
    });
    for (const radio of document.querySelectorAll('input[name="type"]')) {
      radio.addEventListener('change', () => {
        state.type = radio.value;
        showLists();
        inputChanged();
      });
    }
    for (const radio of document.querySelectorAll('input[name="search"]')) {
      radio.addEventListener('change', () => {
        state.search = radio.value;
        showTypes();
        showLists();
        showRows();
        inputChanged();
      });
    }
    for (const radio of document.querySelectorAll('input[name="pair"]')) {
      radio.addEventListener('change', () => {
        state.pair.mode = radio.value;
        showTypes();
        showLists();
        showListB();
        showRows();
        inputChanged();
      });
    }
    for (const radio of document.querySelectorAll('input[name="list-b"]')) {
      radio.addEventListener('change', () => {
        state.pair.listB = radio.value;
        inputChanged();
      });
    }
    for (const [field, , id] of PAIR_INPUTS) {
      $(id).addEventListener('input', () => {
        state.pair[field] = $(id).value;
        inputChanged();
      });
    }
    for (const radio of document.querySelectorAll('input[name="list"]')) {
      radio.addEventListener('change', () => {
        state.list = radio.value;
        inputChanged();
      });
    }
    const values = { target: 'target', tolerance: 'tolerance', 'max-parts': 'maxParts', range: 'range' };
    for (const [id, field] of Object.entries(values)) {
      $(id).addEventListener('input', () => {
        state[field] = $(id).value;
        inputChanged();
      });
    }
    $('show-all').addEventListener('change', () => {
      state.showAll = $('show-all').checked;
      inputChanged();
    });
    $('parallel-only').addEventListener('change', () => {
      state.parallelOnly = $('parallel-only').checked;
      inputChanged();
    });
    EDITABLE_LISTS.forEach((name, index) => {
      $('list-' + name).addEventListener('input', () => {
        listTyped(sideTypes()[0], index, $('list-' + name).value);
        inputChanged();
      });
      $('list-b-' + name).addEventListener('input', () => {
        listTyped(sideTypes()[1], index, $('list-b-' + name).value);
        inputChanged();
      });
    });
    $('sort-error').addEventListener('click', () => sortBy('error'));
    $('sort-value').addEventListener('click', () => sortBy('value'));

    // The result lines: a click or Enter shows a line's schematic; the arrow
    // keys move between the lines.
    const lines = $('lines');
    lines.addEventListener('click', (event) => chooseLine(event.target.closest('.result')));
    lines.addEventListener('keydown', (event) => {
      const item = event.target.closest('.result');
      if (!item) return;
      let next = null;
      switch (event.key) {
        case 'Enter':
        case ' ':
          chooseLine(item);
          event.preventDefault();
          return;
        case 'ArrowDown': next = item.nextElementSibling; break;
        case 'ArrowUp': next = item.previousElementSibling; break;
        case 'Home': next = lines.firstElementChild; break;
        case 'End': next = lines.lastElementChild; break;
        default: return;
      }
      event.preventDefault();
      if (next) {
        item.tabIndex = -1;
        next.tabIndex = 0;
        next.focus();
      }
    });
  }

  function start(ready) {
    texts = ready.texts;
    initial = ready.initial;
    version = ready.version;
    searching = ready.searching;
    pairAborted = ready.pairAborted;
    state.target = initial.target;
    state.tolerance = initial.tolerance;
    state.maxParts = initial.maxParts;
    state.range = initial.range;
    const browserLanguage = (navigator.languages && navigator.languages[0]) || navigator.language || '';
    state.lang = browserLanguage.toLowerCase().startsWith('ja') ? 'ja' : 'en';
    state.lists = loadLists();
    const run = readUrl();
    applyCaptions();
    showInputs();
    showRows();
    wire();
    lockForRun(false);
    setState('idle');
    writeUrl();
    if (run) execute();
  }

  startWorker(start);
})();
