// The planner installable from a web host: served over http or https, the
// page links the folder's web app manifest and registers the service worker
// that keeps the folder for use offline (site/service-worker.js). Opened from
// its file, the page stays alone, as it always was.

export function installable() {
  if (!/^https?:$/.test(location.protocol) || document.querySelector('link[rel="manifest"]')) return;
  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.append(manifest);
  // Only a secure origin (https, or this machine) has service workers.
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('service-worker.js').catch(() => {});
}
