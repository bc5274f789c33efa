// The offline copy: a service worker keeps every file of the site, so the
// next visit plays without a network. Browsers allow one only on https or
// localhost; elsewhere the page plays as it is, online.
export function keepOffline() {
  if (!('serviceWorker' in navigator) || !window.isSecureContext) return;
  // Relative: the site works from any folder of any host.
  navigator.serviceWorker.register('offline_worker.js').catch((e) => console.warn('no offline copy: ' + e));
}

// Once this page has all its files, a newer build that is ready may take
// over for the next visit.
export function offerTakeOver() {
  if (!('serviceWorker' in navigator) || !window.isSecureContext) return;
  navigator.serviceWorker.getRegistration().then((reg) => {
    if (!reg) return;
    const ask = () => { if (reg.waiting) reg.waiting.postMessage('take over'); };
    ask();
    reg.addEventListener('updatefound', () => {
      const next = reg.installing;
      if (next) next.addEventListener('statechange', () => { if (next.state === 'installed') ask(); });
    });
  });
}
