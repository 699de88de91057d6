// The page's own script: the canvas, the boxes, the messages, the layout and
// the running of one press at a time. The logic is the core's, in
// WebAssembly (hanging-chain.js, which this loads once the page is on the
// screen, so that the core's bytes never hold up its first paint); this only
// draws, reads and writes what it is told. It runs as soon as the page is
// parsed, so that a click before the core is ready is kept and run once it is.
'use strict';

var Page = (function () {
  const root = document.documentElement;
  const form = document.getElementById('Form1');
  const canvas = document.getElementById('plot');
  const dialog = document.getElementById('Message');
  const said = document.getElementById('Said');
  const boxes = Array.from(form.querySelectorAll('input'));

  let core = null; // the core's exports, once it is ready (Exports)
  let ready = false; // once the window is activated
  const waiting = []; // [row, button] of each button clicked before that
  let context = null;
  let running = false;
  let afterRun = []; // what the browser changed while a press ran, taken in after it
  // The client area's width, CSS pixels: the activated window's until the
  // core sets it.
  let formWidth = Number(form.dataset.activatedWidth);
  let formHeight = 0; // and height, once the core sets it
  const formFont = Number(form.dataset.fontPoints) * 96 / 72; // the window's font, CSS pixels
  let narrowSide = 0; // the canvas's device pixels a side in the narrow layout
  let shown = null; // the layout, ratio and size the canvas was last made for

  // The core's exports, each wrapped with its types from the table of the
  // calls between the core and the page (page_bridge.h).
  function Exports() {
    return Module.PageExports();
  }

  // 0xRRGGBB of a computed CSS colour "rgb(r, g, b)".
  function Rgb(cssColour) {
    const [r, g, b] = cssColour.match(/\d+/g).map(Number);
    return (r << 16) | (g << 8) | b;
  }
  function Css(rgb) {
    return '#' + (rgb & 0xffffff).toString(16).padStart(6, '0');
  }
  function Colours() {
    const style = getComputedStyle(form);
    return [Rgb(style.backgroundColor), Rgb(style.color)];
  }
  // The decimal separator of the browser's language, as the desktop takes its locale's.
  function Separator() {
    const part = new Intl.NumberFormat(navigator.language)
      .formatToParts(1.5).find((p) => p.type === 'decimal');
    return part ? part.value : '.';
  }
  function Ratio() {
    return window.devicePixelRatio || 1;
  }

  function Busy() {
    return root.classList.contains('busy');
  }
  // Busy, the boxes take nothing: not a key, and not what an input method
  // composes, which no event can cancel.
  function SetBusy(busy) {
    root.classList.toggle('busy', busy);
    for (const box of boxes)
      box.readOnly = busy;
  }

  // While a long press lets the page breathe, what the user clicks or types
  // is dropped, as the desktop drops it: the press would find its boxes
  // changed under it. The message box alone takes input.
  // (Not pointerdown: a cancelled one suppresses the mousedown whose own
  // cancelling keeps the focus where it was.)
  for (const type of ['keydown', 'keypress', 'keyup', 'beforeinput', 'paste', 'cut', 'drop',
                      'mousedown', 'mouseup', 'click', 'dblclick', 'auxclick', 'wheel',
                      'touchstart', 'touchend', 'contextmenu']) {
    window.addEventListener(type, (event) => {
      if (Busy() && !dialog.contains(event.target)) {
        event.preventDefault();
        event.stopImmediatePropagation();
      }
    }, { capture: true, passive: false });
  }
  // Nor a click whose button went down while the press was busy and came up
  // after it.
  let pressedBusy = false;
  window.addEventListener('pointerdown', () => { pressedBusy = Busy(); }, { capture: true });
  window.addEventListener('keydown', () => { pressedBusy = false; }, { capture: true });
  window.addEventListener('click', (event) => {
    if (pressedBusy && !dialog.contains(event.target)) {
      event.preventDefault();
      event.stopImmediatePropagation();
    }
    pressedBusy = false;
  }, { capture: true });

  // One handler at a time, each to its end; what the browser changed
  // meanwhile (a zoom, a rotation, a colour scheme) is taken in afterwards.
  async function Run(call) {
    if (running)
      return;
    running = true;
    try {
      await call();
    } finally {
      running = false;
      SetBusy(false);
      const changes = afterRun;
      afterRun = [];
      for (const change of changes)
        change();
    }
  }
  function WhenIdle(change) {
    if (running)
      afterRun.push(change);
    else
      change();
  }
  // A button clicked before the core is ready is marked until its press
  // runs: a touch screen draws no progress cursor.
  function Press(row, button) {
    if (ready) {
      Run(() => core.press(row));
    } else {
      button.classList.add('pending');
      waiting.push([row, button]);
    }
  }

  // The two layouts: the window's where it fits and is used with a mouse,
  // and otherwise the narrow one of page.css: on a touch screen, where the
  // window's 7-point text and small buttons are too small to read and tap;
  // where the window is wider than the screen, less a classic scroll bar
  // that its height would bring; and where the reader asked for larger text
  // than the window's (a larger default or a minimum font size), which the
  // window's fixed places would cut. The canvas is made anew for either, and
  // for a new ratio (a zoom, a screen of another ratio), and the core draws
  // on it again what it had drawn.
  // The width as page.css asks it of the viewport, which the page's own
  // width, wider than a phone's in the window's layout, must not change.
  const probe = document.createElement('div');
  probe.className = 'probe';
  probe.append(document.createElement('span'));
  document.body.append(probe);
  function ScrollBar() {
    return probe.offsetWidth - probe.clientWidth;
  }
  function TextEnlarged() {
    const [rem, windowText] = [getComputedStyle(root).fontSize,
                               getComputedStyle(probe.firstChild).fontSize].map(parseFloat);
    return rem > 16 || windowText > formFont + 0.01;
  }
  function Narrow() {
    const scrolls = innerHeight < formHeight ? ScrollBar() : 0;
    return matchMedia('(pointer: coarse)').matches ||
           matchMedia(`(width < ${formWidth + scrolls}px)`).matches || TextEnlarged();
  }
  function View() {
    if (!core)
      return;
    const narrow = root.classList.contains('narrow');
    if (narrow) {
      // The observer's exact size where it is of this layout, or the one laid out now.
      const measured = Math.round(canvas.getBoundingClientRect().width * Ratio());
      if (Math.abs(narrowSide - measured) > 1)
        narrowSide = measured;
    }
    const wanted = narrow ? `narrow ${Ratio()} ${narrowSide}` : `window ${Ratio()}`;
    if (wanted === shown)
      return;
    shown = wanted;
    if (narrow)
      core.viewNarrow(Ratio(), narrowSide);
    else
      core.viewWindow(Ratio());
  }
  function Relayout() {
    root.classList.toggle('narrow', Narrow());
    WhenIdle(View);
  }
  // The narrow canvas's size in device pixels, as the browser lays it out
  // (where it tells, and tells what its ratio says: an emulated ratio does not).
  const observer = new ResizeObserver((entries) => {
    const entry = entries[entries.length - 1];
    const box = entry.devicePixelContentBoxSize && entry.devicePixelContentBoxSize[0];
    const scaled = Math.round(entry.contentRect.width * Ratio());
    narrowSide = box && Math.abs(box.inlineSize - scaled) <= 1 ? box.inlineSize : scaled;
    WhenIdle(View);
  });
  try {
    observer.observe(canvas, { box: 'device-pixel-content-box' });
  } catch (error) {
    observer.observe(canvas);
  }
  function WatchRatio() {
    matchMedia(`(resolution: ${Ratio()}dppx)`).addEventListener('change', () => {
      WatchRatio();
      Relayout();
    }, { once: true });
  }

  // Installable, and kept for offline use, where the page has an origin: a
  // page from disk can neither fetch its manifest nor have a worker.
  const served = /^https?:$/.test(location.protocol);
  if (served) {
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.append(manifest);
  }

  // The buttons take clicks from the start; the boxes, as plain inputs, take
  // typing before the core is there to read them.
  for (const button of form.querySelectorAll('button[data-press]'))
    button.addEventListener('click', () => Press(Number(button.dataset.press), button));
  // A box the focus leaves shows its text from the start, not its last digits.
  for (const box of boxes)
    box.addEventListener('blur', () => { box.setSelectionRange(0, 0); box.scrollLeft = 0; });

  async function Start() {
    core = Exports();
    const [background, foreground] = Colours();
    core.start(Separator(), background, foreground);
    Relayout();
    root.classList.add('scripted');
    WatchRatio();
    window.addEventListener('resize', Relayout);
    matchMedia('(prefers-color-scheme: dark)').addEventListener('change', () => {
      WhenIdle(() => core.setColours(...Colours()));
    });
    await Run(core.activate);
    // The frame is on the screen at the first animation frame after it is drawn.
    requestAnimationFrame(() => performance.mark('hanging-chain-frame'));
    ready = true;
    root.classList.remove('loading');
    while (waiting.length > 0) {
      const [row, button] = waiting.shift();
      button.classList.remove('pending');
      await Run(() => core.press(row));
    }
    if (served && 'serviceWorker' in navigator)
      navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' });
  }

  return {
    Start,
    Primer() {
      return Run(core.primer);
    },
    Canvas(width, height, background) {
      canvas.width = width;
      canvas.height = height;
      context = canvas.getContext('2d', { alpha: false });
      context.fillStyle = Css(background);
      context.fillRect(0, 0, width, height);
    },
    Fill(rectangles) {
      for (let i = 0; i < rectangles.length; i += 5) {
        context.fillStyle = Css(rectangles[i + 4]);
        context.fillRect(rectangles[i], rectangles[i + 1], rectangles[i + 2] - rectangles[i],
                         rectangles[i + 3] - rectangles[i + 1]);
      }
    },
    Circle(x, y, radius, colour, width) {
      context.strokeStyle = Css(colour);
      context.lineWidth = width;
      context.beginPath();
      context.arc(x, y, radius, 0, 2 * Math.PI);
      context.stroke();
    },
    Print(line, top, size, colour) {
      context.font = `${size}px sans-serif`;
      context.fillStyle = Css(colour);
      context.textBaseline = 'top';
      context.fillText(line, 0, top);
    },
    SetWidth(pixels) {
      form.style.width = `${pixels}px`;
      formWidth = pixels;
      Relayout();
    },
    SetHeight(pixels) {
      form.style.height = `${pixels}px`;
      formHeight = pixels;
      Relayout();
    },
    InSight(ids) {
      const inSight = new Set(ids.split(' '));
      for (const control of form.children)
        if (control !== canvas)
          control.classList.toggle('beyond', !inSight.has(control.id));
    },
    Text(id) {
      return document.getElementById(id).value;
    },
    SetText(id, text) {
      const input = document.getElementById(id);
      input.value = text;
      input.scrollLeft = 0; // long numbers show their leading digits
    },
    Announce(text) {
      // Emptied first, so that the same words after another press are said again.
      said.textContent = '';
      if (text)
        setTimeout(() => { said.textContent = text; }, 0);
    },
    DescribePlot(text) {
      canvas.setAttribute('aria-label', text);
    },
    // A modal message, and a report of an error; the press waits until it
    // is dismissed, as the desktop's message box blocks its handler.
    Message(text) {
      return Page.Ask(text, false);
    },
    Error(text) {
      return Page.Ask(text, true);
    },
    Ask(text, isError) {
      SetBusy(false);
      const focused = document.activeElement;
      dialog.classList.toggle('error', isError);
      dialog.setAttribute('role', isError ? 'alertdialog' : 'dialog');
      document.getElementById('MessageText').textContent = text;
      return new Promise((resolve) => {
        dialog.addEventListener('close', () => {
          if (focused)
            focused.focus();
          resolve();
        }, { once: true });
        dialog.showModal();
      });
    },
    // A turn of the page's event loop in a long press: the wait cursor, and
    // what is drawn so far on the screen. A hidden page has no frames, and
    // its timers are slowed to one a second or less: it goes on at once.
    Breathe() {
      SetBusy(true);
      return new Promise((resolve) => {
        const channel = new MessageChannel();
        const soon = () => channel.port2.postMessage(null);
        const done = () => {
          document.removeEventListener('visibilitychange', soon);
          resolve();
        };
        channel.port1.onmessage = done;
        if (document.hidden) {
          soon();
        } else {
          requestAnimationFrame(() => setTimeout(done, 0));
          document.addEventListener('visibilitychange', soon);
        }
      });
    },
  };
})();

requestAnimationFrame(() => setTimeout(() => {
  const core = document.createElement('script');
  core.src = 'hanging-chain.js';
  document.head.append(core);
}, 0));

var Module = {
  onRuntimeInitialized: () => Page.Start(),
  // The WebAssembly, gzip-compressed inside hanging-chain.js (hcWasm, base64),
  // since a page opened from disk cannot fetch a file of its own.
  instantiateWasm(imports, received) {
    const text = atob(hcWasm);
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i)
      bytes[i] = text.charCodeAt(i);
    new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip')))
      .arrayBuffer()
      .then((wasm) => WebAssembly.instantiate(wasm, imports))
      .then((result) => received(result.instance, result.module));
    return {};
  },
};
