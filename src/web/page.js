// The page's own script, before emscripten's: the canvas, the boxes, the
// messages and the running of one press at a time. The logic is the core's,
// in WebAssembly; this only draws, reads and writes what it is told.
'use strict';

var Page = (function () {
  const kCanvasPixels = 667; // CSS pixels a side: the window's widest, 10000 twips
  const form = document.getElementById('Form1');
  const canvas = document.getElementById('plot');
  const dialog = document.getElementById('Message');
  let context = null;
  let ratio = 1;
  let printLine = 0;
  let running = false;
  let afterRun = []; // what the browser changed while a press ran, taken in after it

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

  function SizeCanvas() {
    ratio = window.devicePixelRatio || 1;
    const side = Module._hc_device_pixels(ratio, kCanvasPixels);
    canvas.width = side;
    canvas.height = side;
    context = canvas.getContext('2d', { alpha: false });
  }

  function SetBusy(busy) {
    document.documentElement.classList.toggle('busy', busy);
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
      if (document.documentElement.classList.contains('busy') && !dialog.contains(event.target)) {
        event.preventDefault();
        event.stopImmediatePropagation();
      }
    }, { capture: true, passive: false });
  }

  // One handler at a time, each to its end; what the browser changed
  // meanwhile (a zoom, a colour scheme) is taken in afterwards.
  async function Run(name, args) {
    if (running)
      return;
    running = true;
    try {
      await Module.ccall(name, null, args.map(() => 'number'), args, { async: true });
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

  // A zoom, or a screen of another ratio: the canvas is made again at the
  // new ratio, with what was drawn scaled onto it, as the desktop keeps its
  // drawing. Browsers tell it by a resize or by the resolution's media query.
  function CheckRatio() {
    if ((window.devicePixelRatio || 1) === ratio)
      return;
    WhenIdle(() => {
      if ((window.devicePixelRatio || 1) === ratio)
        return;
      const old = document.createElement('canvas');
      old.width = canvas.width;
      old.height = canvas.height;
      old.getContext('2d').drawImage(canvas, 0, 0);
      SizeCanvas();
      context.imageSmoothingEnabled = false;
      context.drawImage(old, 0, 0, canvas.width, canvas.height);
      Module._hc_set_ratio(ratio);
    });
  }
  function WatchRatio() {
    matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
      WatchRatio();
      CheckRatio();
    }, { once: true });
  }

  function Start() {
    SizeCanvas();
    const [background, foreground] = Colours();
    context.fillStyle = Css(background);
    context.fillRect(0, 0, canvas.width, canvas.height);
    Module.ccall('hc_start', null, ['string', 'number', 'number', 'number', 'number', 'number'],
                 [Separator(), ratio, kCanvasPixels, kCanvasPixels, background, foreground]);
    for (const button of form.querySelectorAll('button[data-press]'))
      button.addEventListener('click', () => Run('hc_press', [Number(button.dataset.press)]));
    // A box the focus leaves shows its text from the start, not its last digits.
    for (const box of form.querySelectorAll('input'))
      box.addEventListener('blur', () => { box.setSelectionRange(0, 0); box.scrollLeft = 0; });
    WatchRatio();
    window.addEventListener('resize', CheckRatio);
    matchMedia('(prefers-color-scheme: dark)').addEventListener('change', () => {
      WhenIdle(() => Module._hc_set_colours(...Colours()));
    });
    // The frame is on the screen at the first animation frame after it is drawn.
    Run('hc_activate', []).then(() => requestAnimationFrame(() => performance.mark('hanging-chain-frame')));
  }

  return {
    Start,
    Fill(rectangles, count) {
      for (let i = 0; i < count; ++i) {
        const [left, top, right, bottom, colour] = HEAP32.subarray(rectangles / 4 + i * 5,
                                                                   rectangles / 4 + i * 5 + 5);
        context.fillStyle = Css(colour);
        context.fillRect(left, top, right - left, bottom - top);
      }
    },
    Clear(background) {
      context.fillStyle = Css(background);
      context.fillRect(0, 0, canvas.width, canvas.height);
      printLine = 0;
    },
    Line(x1, y1, x2, y2, colour) {
      context.strokeStyle = Css(colour);
      context.lineWidth = Math.max(1, Math.round(ratio));
      context.beginPath();
      context.moveTo(x1 * ratio, y1 * ratio);
      context.lineTo(x2 * ratio, y2 * ratio);
      context.stroke();
    },
    Circle(x, y, radius, colour) {
      context.strokeStyle = Css(colour);
      context.lineWidth = Math.max(1, Math.round(ratio));
      context.beginPath();
      context.arc(x * ratio, y * ratio, radius * ratio, 0, 2 * Math.PI);
      context.stroke();
    },
    Print(line, colour) {
      const size = parseFloat(getComputedStyle(form).fontSize) * ratio;
      context.font = `${size}px sans-serif`;
      context.fillStyle = Css(colour);
      context.textBaseline = 'top';
      context.fillText(line, 0, printLine);
      printLine += Math.ceil(size * 1.25);
    },
    SetSize(which, pixels) {
      form.style[which === 0 ? 'width' : 'height'] = `${pixels}px`;
    },
    Box(box) {
      return document.getElementById('Text' + box);
    },
    SetText(box, text) {
      const input = this.Box(box);
      input.value = text;
      input.scrollLeft = 0; // long numbers show their leading digits
    },
    Recolour(pairs, count) {
      const map = new Map();
      for (let i = 0; i < count; ++i)
        if (!map.has(HEAP32[pairs / 4 + 2 * i]))
          map.set(HEAP32[pairs / 4 + 2 * i], HEAP32[pairs / 4 + 2 * i + 1]);
      const image = context.getImageData(0, 0, canvas.width, canvas.height);
      const data = image.data;
      for (let i = 0; i < data.length; i += 4) {
        const becomes = map.get((data[i] << 16) | (data[i + 1] << 8) | data[i + 2]);
        if (becomes !== undefined) {
          data[i] = becomes >> 16;
          data[i + 1] = (becomes >> 8) & 0xff;
          data[i + 2] = becomes & 0xff;
        }
      }
      context.putImageData(image, 0, 0);
    },
    // A modal message; the press waits until it is dismissed, as the
    // desktop's message box blocks its handler.
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
    // what is drawn so far on the screen.
    Breathe() {
      SetBusy(true);
      return new Promise((resolve) => {
        requestAnimationFrame(() => setTimeout(resolve, 0));
        setTimeout(resolve, 100); // a hidden page has no frames
      });
    },
  };
})();

Module['onRuntimeInitialized'] = () => Page.Start();
