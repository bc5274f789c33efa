// A phone's habits: the screen stays lit while a game is played, and the
// browser is asked not to clear the stored high score.

let lock = null, wanted = false, refusedAt = -1e9;

// Called every frame: a lock while a game is in play and not paused; let go
// on the title, on pause, and when hidden (the browser lets go then too).
export function keepAwake(want) {
  // A refusal (no permission, say) is not asked again at once, every frame.
  want = want && !document.hidden && 'wakeLock' in navigator && performance.now() - refusedAt > 5000;
  if (want === wanted) return;
  wanted = want;
  if (want) {
    navigator.wakeLock.request('screen').then((l) => {
      if (wanted && !lock) { lock = l; l.addEventListener('release', () => { if (lock === l) { lock = null; wanted = false; } }); }
      else l.release();
    }).catch(() => { wanted = false; refusedAt = performance.now(); });
  } else if (lock) {
    const l = lock;
    lock = null;
    l.release().catch(() => {});
  }
}
window.gobblerAwake = () => !!lock;

export function keepStorage() {
  if (navigator.storage && navigator.storage.persist) navigator.storage.persist().catch(() => {});
}
