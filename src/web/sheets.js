// The sheet on the page: SAVE downloads it (the session's bytes, under the
// name it proposes), Open and a file dropped on the page open one, the last
// session is kept in the browser's storage when the page closes or Quit is
// pressed, and Open last session opens it: the session decides and words
// each, the page reads files, makes downloads and closes.

// Bytes downloaded as a file of that name.
export function download(bytes, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes], {type: 'text/plain'}));
  link.download = name;
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

export function installSheets(planner) {
  const save = () => {
    const {name} = planner.run('kp_save');
    download(planner.bytesOut(), name);
  };

  // A file's bytes opened as one action, or why the page failed to read them.
  const open = (name, bytes, failure, files) => planner.run('kp_open', name, bytes, bytes.length, failure, files);
  const openFiles = (files) => {
    if (!files || !files.length) return;
    const first = files[0];
    first.arrayBuffer().then((buffer) => open(first.name, new Uint8Array(buffer), '', files.length),
                             (error) => open(first.name, new Uint8Array(0), error.message || error.name, files.length));
  };

  const picker = document.getElementById('open-file');
  picker.addEventListener('change', () => {
    openFiles(picker.files);
    picker.value = '';
  });

  planner.actions.set('open', {run: () => picker.click()});
  planner.actions.set('openLast', {run: () => planner.run('kp_open_last', 0)});
  planner.actions.set('openPrevious', {run: () => planner.run('kp_open_last', 1)});
  planner.actions.set('save', {run: save});

  // Files dropped anywhere on the page open; text dropped into a box stays the box's.
  const hasFiles = (ev) => ev.dataTransfer && Array.from(ev.dataTransfer.types).includes('Files');
  document.addEventListener('dragover', (ev) => {
    if (hasFiles(ev)) ev.preventDefault();
  });
  document.addEventListener('drop', (ev) => {
    if (!hasFiles(ev)) return;
    ev.preventDefault();
    // A folder (alone or first) is no file to read: the session says so.
    const first = ev.dataTransfer.items && ev.dataTransfer.items[0];
    const entry = first && first.webkitGetAsEntry ? first.webkitGetAsEntry() : null;
    if (entry && entry.isDirectory) planner.run('kp_note', 4);
    else openFiles(ev.dataTransfer.files);
  });

  // Closing the page, hiding it (a phone may discard a hidden tab unasked),
  // or Quit keeps the last session; Quit closes the page where the browser
  // allows it, and else says where the character is kept.
  window.addEventListener('pagehide', () => planner.raw('kp_keep'));
  document.addEventListener('visibilitychange', () => { if (document.hidden) planner.raw('kp_keep'); });
  planner.onRefresh.push((answer) => {
    if (!answer.ended) return;
    planner.raw('kp_keep');
    window.close();
    setTimeout(() => { if (!window.closed) planner.run('kp_note', 0); }, 50);
  });
  planner.focusBack(null);  // the first in reading order, as the desktop starts
}
