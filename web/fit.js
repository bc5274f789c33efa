// The picture on screen: the largest whole scale that fits, centred.
const stage = document.getElementById('stage');
export const canvas = document.getElementById('game');

export function fit() {
  const ratio = window.devicePixelRatio || 1;
  const w = stage.clientWidth, h = stage.clientHeight;
  const scale = Math.max(1, Math.min(Math.floor(w * ratio / 640), Math.floor(h * ratio / 480)));
  const cssW = 640 * scale / ratio, cssH = 480 * scale / ratio;
  Object.assign(canvas.style, {
    width: cssW + 'px', height: cssH + 'px',
    left: Math.round((w - cssW) / 2) + 'px', top: Math.round((h - cssH) / 2) + 'px',
  });
}
window.addEventListener('resize', fit);
document.addEventListener('fullscreenchange', fit);

const ctx = canvas.getContext('2d', { alpha: false });

// Rows first .. end - 1 of the 32-bit screen (red, green, blue, alpha).
export function paint(pixels, width, first, end) {
  const rows = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * 4 * (end - first));
  ctx.putImageData(new ImageData(rows, width, end - first), 0, first);
}

export function toggleFullscreen() {
  if (document.fullscreenElement) document.exitFullscreen();
  else if (stage.requestFullscreen) stage.requestFullscreen().catch(() => {});
}
