#include "playerscript.h"

namespace {

// A try is a new request for the stream: the element lets go of its source
// and is given it again, so it plays from the live edge, never from old
// buffered data. The address is asked again exactly as the page names it: a
// station's own server may sign or route by its query, and the engine does
// not serve a live stream (no byte ranges, no caching) from its media cache.
//
// The waits double from 1 s; they stop growing at 10 s, so that a stream
// back after an outage of any length sounds again within about 12 s.
//
// A pause by the listener (the page's control, or the program's, which also
// takes the source away) holds every try until they play again; a play then
// starts a new request unless the program already gave the source back.
//
// The clock ticks in a worker: a hidden page's own timers may be held back
// to one wake-up a minute once it has been silent for a while.
constexpr std::string_view script = R"JS(
(function () {
  'use strict';
  var audio = document.getElementById('player');
  if (!audio) return;
  var FirstWait = 1000, LongestWait = 10000, StillLimit = 8000, GoodPlay = 30000;
  var source = audio.getAttribute('src') || '';
  var state = 'trying';  // 'trying' a request, 'playing' and moving, 'waiting' for the next try
  var wait = FirstWait, nextTry = 0, movedAt = now(), lastTime = 0, goodSince = 0;
  var heard = false, recovering = false, unplayable = false;
  var held = false, holdPending = false, sourceTaken = false, ended = false, ownPlays = 0;

  var line = document.createElement('p');
  line.id = 'riconnessione';
  line.className = 'muted';
  line.setAttribute('role', 'status');
  // Two lines at most, kept tight: the player's area is only so tall.
  line.style.cssText = 'white-space:pre-line;margin:4px 0 0;font-size:12px;line-height:1.3';
  line.hidden = true;
  var controls = document.querySelector('.controls') || audio;
  controls.parentNode.insertBefore(line, controls.nextSibling);

  function now() { return performance.now(); }

  function play() {
    if (audio.paused) ownPlays++;
    var p = audio.play();
    if (p && p.catch) p.catch(function () {});
  }

  function show() {
    line.hidden = held || !recovering;
    if (line.hidden) return;
    var text = 'Riconnessione\u2026';
    if (state === 'waiting')
      text += ' nuovo tentativo tra ' + Math.max(1, Math.ceil((nextTry - now()) / 1000)) + ' s';
    line.textContent = (unplayable ? 'La stazione non si pu\u00f2 ascoltare ora.\n' : '') + text;
  }

  function letGo() {
    audio.removeAttribute('src');
    audio.load();
  }

  function startTry() {
    state = 'trying';
    heard = false;
    movedAt = now();
    lastTime = 0;
    letGo();
    if (source) audio.setAttribute('src', source);
    play();
    show();
  }

  function fail() {
    if (held || holdPending || state === 'waiting') return;
    unplayable = !heard;
    recovering = true;
    state = 'waiting';
    nextTry = now() + wait;
    wait = Math.min(wait * 2, LongestWait);
    // No stale sound meanwhile; not paused either, so the listener can pause the wait.
    letGo();
    play();
    show();
  }

  function progress() {
    if (held || state === 'waiting') return;
    var t = audio.currentTime;
    if (t > lastTime && !audio.paused) {
      movedAt = now();
      if (state === 'trying') {
        state = 'playing';
        goodSince = movedAt;
        heard = true;
        recovering = unplayable = false;
        show();
      }
    }
    lastTime = t;
  }

  function tick() {
    if (held || holdPending) return;
    if (state === 'waiting') {
      if (now() >= nextTry) startTry(); else show();
      return;
    }
    progress();
    if (state === 'playing' && now() - goodSince >= GoodPlay) wait = FirstWait;
    if (now() - movedAt >= StillLimit) fail();
  }

  ['error', 'stalled', 'ended'].forEach(function (name) {
    audio.addEventListener(name, function () {
      if (name === 'ended') ended = true;
      fail();
    });
  });
  audio.addEventListener('timeupdate', progress);
  audio.addEventListener('loadstart', function () { source = audio.getAttribute('src') || source; });

  function hold(taken) {
    held = true;
    holdPending = false;
    sourceTaken = taken;
    ownPlays = 0;
    show();
  }

  // The program's pause takes the source away, and with it the pause's own
  // event: a source gone while paused, not by this script, is a hold too.
  audio.addEventListener('emptied', function () {
    if (!audio.getAttribute('src') && audio.paused && !held) hold(true);
  });

  // A stream that ends pauses itself just before its 'ended': only a pause
  // without one is the listener's.
  audio.addEventListener('pause', function () {
    if (audio.ended) return;
    ended = false;
    holdPending = true;
    setTimeout(function () {
      holdPending = false;
      if (!ended && audio.paused && !held) hold(false);
    }, 0);
  });

  audio.addEventListener('play', function () {
    if (ownPlays > 0) { ownPlays--; return; }
    if (held || holdPending) {
      // The program gives the source back for a new request by itself.
      var givenBack = held && sourceTaken && audio.getAttribute('src');
      held = holdPending = false;
      wait = FirstWait;
      recovering = unplayable = false;
      if (givenBack) {
        state = 'trying'; heard = false; movedAt = now(); lastTime = 0;
      } else {
        startTry();
      }
      return;
    }
    if (state === 'waiting') startTry();
  });

  // The page's own controls show no clock: the button changes only when
  // the sound is paused or played, by the listener, the program or a try.
  var button = document.getElementById('playpause');
  function showButton() {
    button.textContent = audio.paused ? '\u25B6 Ascolta' : '\u275A\u275A Pausa';
  }
  if (button) {
    button.addEventListener('click', function () {
      if (audio.paused) {
        var p = audio.play();
        if (p && p.catch) p.catch(function () {});
      } else {
        audio.pause();
      }
      showButton();
    });
    ['play', 'pause', 'emptied'].forEach(function (name) { audio.addEventListener(name, showButton); });
  }
  var volume = document.getElementById('volume');
  if (volume) volume.addEventListener('input', function () { audio.volume = volume.value / 100; });

  try {
    var ticker = new Worker(URL.createObjectURL(
      new Blob(['setInterval(function () { postMessage(0); }, 250);'], { type: 'text/javascript' })));
    ticker.onmessage = tick;
  } catch (e) {
    setInterval(tick, 250);
  }
  var start = audio.play();
  if (start && start.catch) start.catch(function () {});
})();
)JS";

} // namespace

std::string_view playerScript()
{
    return script;
}
