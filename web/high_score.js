// The high score: "gobbler.hi" in the game's file system, kept in
// localStorage as the hex of its four bytes.
const HI_KEY = 'gobbler.hi';
const HI_FILE = '/gobbler.hi';
let hiStored = null;  // what storage holds
let hiStamp = 0;      // when the file was last written, as seen

export function restoreHighScore() {
  try { hiStored = localStorage.getItem(HI_KEY); } catch (e) { hiStored = null; }
  // Anything but eight hex digits counts as no score.
  if (hiStored === null || !/^[0-9a-f]{8}$/.test(hiStored)) return;
  FS.writeFile(HI_FILE, Uint8Array.from(hiStored.match(/../g), (h) => parseInt(h, 16)));
  hiStamp = FS.stat(HI_FILE).mtime.getTime();
}

export function keepHighScore() {
  let stamp;
  try { stamp = FS.stat(HI_FILE).mtime.getTime(); } catch (e) { return; }
  if (stamp === hiStamp) return;
  hiStamp = stamp;
  const bytes = FS.readFile(HI_FILE);
  if (bytes.length !== 4) return;
  const hex = Array.from(bytes, (b) => b.toString(16).padStart(2, '0')).join('');
  if (hex === hiStored) return;
  try { localStorage.setItem(HI_KEY, hex); hiStored = hex; } catch (e) { /* private mode: this visit only */ }
}
