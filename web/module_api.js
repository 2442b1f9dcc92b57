// The module's door as the page's scripts see it: every export of the module (page_api.cpp)
// wrapped once, with the types it takes and gives, and the module's memory where the module
// names an address. No other script calls into the module.
'use strict';

((page) => {
  let module = null;
  const call = (name, returns, types, args) => module.ccall(name, returns, types, args);
  const text = (name, types = [], args = []) => call(name, 'string', types, args);
  const json = (name, types = [], args = []) => JSON.parse(call(name, 'string', types, args));
  const flag = (value) => (value ? 1 : 0);

  page.api = {
    /**
     * The module made, with the page's answers to what it tells: a run-time error's report, the
     * end's message and button (then it throws `handlers.endOfRun`), each rectangle of the
     * picture copied into its bytes.
     * @param {{onRunTimeError: function(string): void, onEnd: function(string, string): void,
     *   endOfRun: object, onPictureRect: function(number, number, number, number, number): void}} handlers
     * @returns {Promise<void>}
     */
    create: (handlers) => createOndix(handlers).then((made) => { module = made; }),

    /** @returns {ArrayBuffer} the module's memory, replaced by a larger one where it grows */
    memory: () => module.HEAPU8.buffer,
    /**
     * `length` bytes of the module's memory from `address`, as a canvas takes them; valid until
     * the memory grows.
     * @param {number} address
     * @param {number} length
     * @returns {Uint8ClampedArray}
     */
    bytes: (address, length) => new Uint8ClampedArray(module.HEAPU8.buffer, address, length),

    /**
     * The setup in the page's address; the language it names, or ''.
     * @param {string} query location.search
     * @returns {string}
     */
    setup: (query) => text('ondix_setup', ['string'], [query]),
    /**
     * The language: `asked` where the program has it, else the first of `preferred` it has.
     * @param {string} asked
     * @param {string} preferred comma-separated, most preferred first
     * @returns {string} the code of the one in use
     */
    chooseLanguage: (asked, preferred) => text('ondix_choose_language', ['string', 'string'],
      [asked, preferred]),
    /** @returns {object} the form (see PageForm::json) */
    form: () => json('ondix_form'),
    /** The instrument made, in the language chosen. */
    createInstrument: () => call('ondix_create', null, [], []),
    /** @returns {{heading: string, lines: string[]}} what of the address's setup is ignored */
    setupNotes: () => json('ondix_setup_notes'),
    /** @returns {string} the settings now as a link's query */
    setupLink: () => text('ondix_setup_link'),

    /**
     * The instrument started, or (`first` false) its picture resized: `width` x `height` pixels,
     * `scale` of them to a CSS pixel.
     * @param {boolean} first
     * @param {number} width
     * @param {number} height
     * @param {number} scale
     */
    layOut: (first, width, height, scale) => call(first ? 'ondix_start' : 'ondix_resize', null,
      ['number', 'number', 'number'], [width, height, scale]),
    /**
     * @param {number} count passes to run
     * @returns {number}
     */
    runPasses: (count) => call('ondix_run_passes', 'number', ['number'], [count]),
    /**
     * The passes due at a display frame, run at the instrument's pace.
     * @param {number} timeMs the frame's time (performance.now())
     * @returns {number} the passes run
     */
    runDue: (timeMs) => call('ondix_run_due', 'number', ['number'], [timeMs]),
    /** @returns {boolean} whether the run goes on (not halted, not ended) */
    running: () => call('ondix_running', 'number', [], []) === 1,
    /** @returns {boolean} whether nothing moves, so that no frame is due */
    atRest: () => call('ondix_at_rest', 'number', [], []) === 1,

    /**
     * A click on the button or option with this id.
     * @param {string} name the control's id
     * @returns {{reply: string, page: (object|undefined)}} what the page is to do besides:
     *   'none', 'information' (the `page` to show), 'experiments', 'saveImage' or 'saveSamples'
     */
    click: (name) => json('ondix_click', ['string'], [name]),
    /** @returns {{heading: string, close: string, titles: string[]}} the list of experiments */
    experiments: () => json('ondix_experiments'),
    /**
     * Experiment `number` started as its link would start it.
     * @param {number} number counted from 1
     * @returns {boolean} whether there is one
     */
    chooseExperiment: (number) => call('ondix_choose_experiment', 'number', ['number'], [number]) === 1,
    /**
     * The screen's input: a finger where `touch`, else a mouse.
     * @param {boolean} touch
     */
    useTouch: (touch) => call('ondix_use_touch', null, ['number'], [touch ? 1 : 0]),
    /** @returns {{title: string, paragraphs: string[]}|null} the instruction shown, if one is */
    instruction: () => {
      const shown = text('ondix_instruction');
      return shown ? JSON.parse(shown) : null;
    },
    /** The instruction closed. */
    closeInstruction: () => call('ondix_close_instruction', null, [], []),
    /** @returns {Uint8Array} the time diagram's samples as CSV, its bytes as the module wrote them (a copy) */
    samplesCsv: () => {
      const made = json('ondix_samples_csv');
      return module.HEAPU8.slice(made.bytes, made.bytes + made.length);
    },
    /**
     * The picture "Bild" saves: its pixels (valid until the module's next call) and the texts to
     * write over them.
     * @returns {{bytes: number, width: number, height: number, texts: {text: string, x: number,
     *   y: number, align: string, colour: string, pixels: number}[]}}
     */
    savedImage: () => json('ondix_saved_image'),
    /**
     * The name a saved file is offered under, and the message where it could not be written.
     * @param {boolean} samples the diagram's samples rather than the view's image
     * @param {string} reason what went wrong, or ''
     * @returns {{name: string, notWritten: string}}
     */
    savedFile: (samples, reason) => json('ondix_saved_file', ['number', 'string'], [flag(samples), reason]),
    /**
     * A scroll bar's new value, committed by the student.
     * @param {string} name the bar's id
     * @param {number} value
     */
    scroll: (name, value) => call('ondix_scroll', null, ['string', 'number'], [name, value]),
    /**
     * A PointerEvent on the chain view at a point in pixels of the picture; a finger moves
     * `dragDistance` of them before it counts as moved.
     * @param {PointerEvent} event
     * @param {number} x
     * @param {number} y
     * @param {number} dragDistance
     */
    pointer: (event, x, y, dragDistance) => call('ondix_pointer', null,
      ['string', 'string', 'number', 'number', 'number', 'number', 'number', 'number', 'number',
        'number', 'number', 'number'],
      [event.type, event.pointerType, event.pointerId, event.button, event.buttons,
        flag(event.shiftKey), flag(event.ctrlKey), flag(event.altKey), x, y, event.timeStamp,
        dragDistance]),
    /**
     * A double click of the mouse on the view, at a point in pixels of the picture.
     * @param {number} x
     * @param {number} y
     */
    doubleClick: (x, y) => call('ondix_double_click', null, ['number', 'number'], [x, y]),
    /**
     * @param {string} key KeyboardEvent.key
     * @returns {boolean} whether the key goes to the view rather than the browser
     */
    keyReachesView: (key) => call('ondix_key_reaches_view', 'number', ['string'], [key]) === 1,
    /**
     * A keydown on the view.
     * @param {KeyboardEvent} event
     * @returns {boolean} whether the view took it
     */
    keyDown: (event) => call('ondix_key_down', 'number', ['string', 'number', 'number', 'number'],
      [event.key, flag(event.shiftKey), flag(event.ctrlKey), flag(event.altKey)]) === 1,
    /** @param {KeyboardEvent} event a keyup on the view */
    keyUp: (event) => call('ondix_key_up', null, ['string', 'number', 'number', 'number'],
      [event.key, flag(event.shiftKey), flag(event.ctrlKey), flag(event.altKey)]),
    /** The view lost the focus. */
    focusLost: () => call('ondix_focus_lost', null, [], []),

    /** @returns {object[]} the controls changed since the last call (see PanelsFeed) */
    changedControls: () => json('ondix_changed_controls'),
    /**
     * The picture's changed pixels (with `all` every pixel) into its bytes, each rectangle
     * handed to `onPictureRect`.
     * @param {boolean} all
     */
    updateImage: (all) => call('ondix_update_image', null, ['number'], [flag(all)]),
    /**
     * The panels flowed into a room `room` pixels of the design wide.
     * @param {number} room
     * @param {boolean} finger whether a finger is the pointer
     * @returns {{width: number, height: number, places: Array}}
     */
    panelFlow: (room, finger) => json('ondix_panel_flow', ['number', 'number'], [room, flag(finger)]),
    /**
     * Where the view, the time diagram, the instruction and the panels go in the window (the
     * lesson's one layout rule), all in CSS pixels.
     * @param {object} needs {width, height (less the link's bar beneath the window), top (the
     *   view's), scale (the panel scale), finger, under (what the panels' room takes beneath
     *   them), diagram: {open, least, most}, instruction:
     *   {open, least, narrow: [width, whole height], wide: [width, whole height]}, column (the
     *   tools' column's width), mayScroll}
     * @returns {{arrangement: string, fits: boolean, contentHeight: number, view: number[],
     *   diagram: ?number[], instruction: ?number[], panels: number[]}} boxes as [x, y, width, height],
     *   the panels' the room they flow in
     */
    lessonLayout: (n) => json('ondix_lesson_layout', Array(17).fill('number'), [n.width, n.height, n.top,
      n.scale, flag(n.finger), n.under, flag(n.diagram.open), n.diagram.least, n.diagram.most, flag(n.instruction.open),
      n.instruction.least, ...n.instruction.narrow, ...n.instruction.wide, n.column, flag(n.mayScroll)]),

    /** @returns {object} the time diagram's texts and span range that do not change */
    diagramForm: () => json('ondix_diagram_form'),
    /**
     * The time diagram at `width` x `height` pixels and `scale`.
     * @param {number} width
     * @param {number} height
     * @param {number} scale
     * @returns {object|null} its pixels' address, labels and span; null where unchanged
     */
    diagram: (width, height, scale) => {
      const reply = text('ondix_diagram', ['number', 'number', 'number'], [width, height, scale]);
      return reply ? JSON.parse(reply) : null;
    },
    /** @returns {string} the time diagram's words as it last said them */
    diagramSummary: () => text('ondix_diagram_summary'),
    /** @returns {number} how often the time diagram has said its words: to be said anew when it changes */
    diagramSpoken: () => call('ondix_diagram_spoken', 'number', [], []),
    /**
     * A keydown in the time diagram's strip.
     * @param {string} key KeyboardEvent.key
     * @returns {boolean} whether the diagram took it
     */
    diagramKey: (key) => call('ondix_diagram_key', 'number', ['string'], [key]) === 1,
    /** @param {number} units the diagram's span */
    diagramSpan: (units) => call('ondix_diagram_span', null, ['number'], [units]),

    // The test module's own exports (page_test_api.cpp), absent from the site's module.
    test: {
      /** @returns {boolean} whether the module is the tests' */
      present: () => typeof module._ondix_test_panels === 'function',
      /** @returns {object} where the chain's rows and the picture lie in memory */
      memory: () => json('ondix_test_memory'),
      /** @returns {object[]} every control as the module holds it */
      panels: () => json('ondix_test_panels'),
      /** @returns {object} the diagram's chosen masses and where its samples lie */
      diagram: () => json('ondix_test_diagram'),
      /** @param {number} dt a time step no control sets */
      setStep: (dt) => call('ondix_set_step', null, ['number'], [dt]),
    },
  };
})(window.ondixPage = window.ondixPage || {});
