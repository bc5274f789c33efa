// Sound: the library's mixer, a chunk at a time, into WebAudio.
import { Module } from './runtime.js';

const soundNote = document.getElementById('sound-note');

const RATE = 44100, CHUNK = 1024, LEAD = 3 * CHUNK;
const WORKLET = `
class GobblerSound extends AudioWorkletProcessor {
  constructor() { super(); this.queue = []; this.at = 0; this.port.onmessage = (e) => this.queue.push(e.data); }
  process(inputs, outputs) { play(this, outputs[0][0], outputs[0][1]); return true; }
}
${playQueue.toString().replace('function playQueue', 'function play')}
registerProcessor('gobbler-sound', GobblerSound);`;

// Fills the left and right outputs from a queue of interleaved chunks.
function playQueue(from, left, right) {
  for (let i = 0; i < left.length; i++) {
    const chunk = from.queue[0];
    if (!chunk) { left[i] = right[i] = 0; continue; }
    left[i] = chunk[from.at];
    right[i] = chunk[from.at + 1];
    from.at += 2;
    if (from.at >= chunk.length) { from.queue.shift(); from.at = 0; }
  }
}

const sound = { ctx: null, send: null, analyser: null, mixed: 0, started: performance.now() };

// Called on every key, tap and click: a browser lets sound start only in
// the handler of one that counts as the user's (Escape, for one, does not).
export async function startSound() {
  const Context = window.AudioContext || window.webkitAudioContext;
  if (!Context) return;
  if (sound.ctx) {
    if (sound.ctx.state !== 'running') sound.ctx.resume();
    return;
  }
  const ctx = sound.ctx = new Context({ sampleRate: RATE });
  ctx.onstatechange = () => {
    // The output's clock takes over from the page's.
    sound.mixed = ctx.currentTime * RATE;
    if (ctx.state === 'running') soundNote.hidden = true;
  };
  sound.analyser = ctx.createAnalyser();
  sound.analyser.connect(ctx.destination);
  try {
    const url = URL.createObjectURL(new Blob([WORKLET], { type: 'text/javascript' }));
    await ctx.audioWorklet.addModule(url);
    const node = new AudioWorkletNode(ctx, 'gobbler-sound', { outputChannelCount: [2] });
    node.connect(sound.analyser);
    sound.send = (chunk) => node.port.postMessage(chunk, [chunk.buffer]);
  } catch (e) {
    // No worklets (an older browser, or a page not served securely).
    const node = ctx.createScriptProcessor(CHUNK, 0, 2);
    const from = { queue: [], at: 0 };
    node.onaudioprocess = (e) => playQueue(from, e.outputBuffer.getChannelData(0), e.outputBuffer.getChannelData(1));
    node.connect(sound.analyser);
    sound.send = (chunk) => from.queue.push(chunk);
  }
  sound.mixed = ctx.currentTime * RATE;
  ctx.resume();
}

const soundPlays = () => sound.send && sound.ctx.state === 'running';

// Frames of sound the clock has reached: the output's once it runs, before
// that the page's, so that sounds started in silence end on time.
function soundClock() {
  if (soundPlays()) return sound.ctx.currentTime * RATE + LEAD;
  return (performance.now() - sound.started) * RATE / 1000;
}

function pumpSound() {
  if (!Module.calledRun) return;
  const due = soundClock();
  // Back from a throttled background tab: skip what was missed.
  if (due - sound.mixed > 8 * CHUNK) sound.mixed = due - CHUNK;
  while (sound.mixed < due) {
    const at = Module._web_mix_chunk();
    if (!at) return;
    sound.mixed += CHUNK;
    if (!soundPlays()) continue;
    const pcm = new Int16Array(HEAPU8.buffer, at, 2 * CHUNK);
    const chunk = new Float32Array(2 * CHUNK);
    for (let i = 0; i < chunk.length; i++) chunk[i] = pcm[i] / 32768;
    sound.send(chunk);
  }
}
setInterval(pumpSound, 10);

// The loudest sample now reaching the output, 0 .. 1.
window.gobblerSoundLevel = () => {
  if (!sound.analyser) return 0;
  const wave = new Float32Array(sound.analyser.fftSize);
  sound.analyser.getFloatTimeDomainData(wave);
  return wave.reduce((m, v) => Math.max(m, Math.abs(v)), 0);
};
