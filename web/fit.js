// The picture on screen: the largest size that fits the page (beside the
// touch controls when they are shown and there is room for them), sharp at
// any size. A whole number of device pixels per picture pixel, when one comes
// within 5 % of filling the space, shows the canvas itself without smoothing.
// Otherwise the picture is enlarged by whole pixels to the next multiple up
// and smoothed down from there: every pixel is then as wide as its
// neighbours to a device pixel, with at most one device pixel of blend.
const stage = document.getElementById('stage');
export const canvas = document.getElementById('game');
const view = document.getElementById('view');
const pad = document.getElementById('pad');
const arrows = document.getElementById('arrows');
const actions = document.getElementById('actions');
const bar = document.getElementById('recording');

const W = 640, H = 480;
// The controls' cell (an arrow's side) in CSS pixels, and their margin.
const MIN_CELL = 48, MAX_CELL = 64, MARGIN = 8;
// The recording's buttons keep this far from the page's edge (index.html).
const BAR_GAP = 4;

const ctx = canvas.getContext('2d', { alpha: false });
const viewCtx = view.getContext('2d', { alpha: false });
let sharp = false;
let up = null, upCtx = null, upScale = 1;  // the whole-multiple enlargement

// Where the controls go, in CSS pixels: beside or below the picture when
// there is room for cells of at least MIN_CELL, else over its edges.
function placeControls(w, h) {
  if (pad.hidden) return { x: 0, y: 0, w, h };
  let cell, area = { x: 0, y: 0, w, h };
  if (h > w) {
    cell = Math.min(MAX_CELL, Math.floor((h - w * H / W - 2 * MARGIN) / 3));
    if (cell >= MIN_CELL) area.h = h - 3 * cell - 2 * MARGIN;
  } else {
    cell = Math.min(MAX_CELL, Math.floor(((w - h * W / H) / 2 - 2 * MARGIN) / 3));
  }
  const over = cell < MIN_CELL;
  if (over) cell = MIN_CELL;
  pad.classList.toggle('over', over);
  pad.style.setProperty('--c', cell + 'px');
  // The d-pad low on the left, Start and Pause low on the right, under the
  // thumbs; beside a sideways picture each in the middle of its margin.
  const margin = (w - h * W / H) / 2, beside = !(h > w || over);
  const left = beside ? (margin - 3 * cell) / 2 : MARGIN, right = beside ? (margin - 1.5 * cell) / 2 : MARGIN;
  Object.assign(arrows.style, { left: left + 'px', bottom: MARGIN + 'px' });
  Object.assign(actions.style, { right: right + 'px', bottom: MARGIN + 'px' });
  return area;
}

// The recording's buttons in the black the picture leaves: in a row above
// it, else in a column beside it, else in a row over its top-left corner,
// half seen (the score's corner, not the maze). Never where the picture
// would have to shrink for them.
function placeBar(left, top, area) {
  bar.classList.remove('column', 'over');
  if (top - area.y >= bar.offsetHeight + 2 * BAR_GAP) return;
  bar.classList.add('column');
  const underPad = pad.hidden || pad.classList.contains('over') ? 0 : arrows.offsetTop;
  if (left - area.x >= bar.offsetWidth + 2 * BAR_GAP && (!underPad || bar.offsetHeight + 2 * BAR_GAP <= underPad)) return;
  bar.classList.replace('column', 'over');
}

// The fewest CSS pixels that make a whole number of device pixels (4 at a
// ratio of 1.25, 2 at 1.5, 1 at whole ratios). The browser places and sizes
// the canvas on whole CSS pixels; a size or place between them it rounds,
// and then stretches the canvas by a device pixel, blurring it.
function cssStep(ratio) {
  for (let n = 1; n <= 8; n++) if (Math.abs(n * ratio - Math.round(n * ratio)) < 1e-6) return n;
  return 1;
}

export function fit() {
  const ratio = window.devicePixelRatio || 1;
  const w = stage.clientWidth, h = stage.clientHeight;
  const area = placeControls(w, h);
  const step = cssStep(ratio), unit = step * ratio;  // in CSS, and in device pixels
  // Device pixels per picture pixel.
  const scale = Math.min(area.w * ratio / W, area.h * ratio / H);
  const whole = Math.floor(scale);
  const fits = (d) => Math.abs(d / unit - Math.round(d / unit)) < 1e-6;
  sharp = !(whole >= 1 && whole >= 0.95 * scale && fits(W * whole) && fits(H * whole));
  const dw = sharp ? Math.floor(W * scale / unit) * unit : W * whole, dh = sharp ? Math.floor(H * scale / unit) * unit : H * whole;
  const cssW = Math.round(dw / ratio), cssH = Math.round(dh / ratio);
  const left = Math.round((area.x + (area.w - cssW) / 2) / step) * step, top = Math.round((area.y + (area.h - cssH) / 2) / step) * step;
  const place = { width: cssW + 'px', height: cssH + 'px', left: left + 'px', top: top + 'px' };
  Object.assign(canvas.style, place);
  Object.assign(view.style, place);
  placeBar(left, top, area);
  stage.classList.toggle('sharp', sharp);
  if (sharp) {
    upScale = Math.max(1, Math.ceil(scale));
    if (upScale > 1 && (!up || up.width !== W * upScale)) {
      up = document.createElement('canvas');
      up.width = W * upScale;
      up.height = H * upScale;
      upCtx = up.getContext('2d', { alpha: false });
      upCtx.imageSmoothingEnabled = false;
    }
    if (view.width !== Math.round(dw) || view.height !== Math.round(dh)) {
      view.width = Math.round(dw);
      view.height = Math.round(dh);
    }
    present(0, H);
  }
}
window.addEventListener('resize', fit);
window.addEventListener('orientationchange', fit);
document.addEventListener('fullscreenchange', fit);
// A new devicePixelRatio (zoom, another screen) calls for a new fit too.
(function watchRatio() {
  matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`).addEventListener('change', () => { fit(); watchRatio(); }, { once: true });
})();

// The changed rows enlarged by whole pixels, then the whole smoothed down.
function present(first, end) {
  let from = canvas;
  if (upScale > 1) {
    upCtx.drawImage(canvas, 0, first, W, end - first, 0, first * upScale, W * upScale, (end - first) * upScale);
    from = up;
  }
  viewCtx.imageSmoothingEnabled = true;
  viewCtx.imageSmoothingQuality = 'low';
  viewCtx.drawImage(from, 0, 0, view.width, view.height);
}

// Rows first .. end - 1 of the 32-bit screen (red, green, blue, alpha).
export function paint(pixels, width, first, end) {
  const rows = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * 4 * (end - first));
  ctx.putImageData(new ImageData(rows, width, end - first), 0, first);
  if (sharp) present(first, end);
}

export function toggleFullscreen() {
  if (document.fullscreenElement) document.exitFullscreen();
  else if (stage.requestFullscreen) stage.requestFullscreen().catch(() => {});
}
