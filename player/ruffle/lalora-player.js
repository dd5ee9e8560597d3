"use strict";
// The page side of the program's movie control: one Ruffle player that plays
// bridge movies, and a small command set for the host. Everything the host
// needs to know (readiness, frame state, double clicks, failures) goes out as
// console messages "lalora:<json>"; every message names the movie generation it
// belongs to, so the host can drop news about a movie it has replaced.
(() => {
  const kPrefix = "lalora:";
  const kStatePollMs = 50;
  const kConfig = {
    allowScriptAccess: true,
    autoplay: "on",
    unmuteOverlay: "hidden",
    splashScreen: false,
    contextMenu: "off",
    menu: false,
    letterbox: "on",
    scale: "showAll",
    warnOnUnsupportedContent: false,
    showSwfDownload: false,
    allowFullscreen: false,
    // The page must stay ours: a movie may not navigate it or open windows.
    openUrlMode: "deny",
    logLevel: "error",
  };

  function createPlayer() {
    const created = window.RufflePlayer.newest().createPlayer();
    document.body.appendChild(created);
    // Ruffle shows a big play button whenever it is paused; a pause here must
    // leave the current picture visible.
    const hideOverlays = document.createElement("style");
    hideOverlays.textContent = "#play-button { display: none !important; }";
    created.shadowRoot.appendChild(hideOverlays);
    return created;
  }

  let player = createPlayer();

  let generation = 0;
  let ready = false;
  let seq = 0;
  let reported = "";

  function post(message) {
    console.log(kPrefix + JSON.stringify({ gen: generation, ...message }));
  }

  function call(name, ...args) {
    return player.ruffle().callExternalInterface(name, ...args);
  }

  function frameState() {
    const total = call("laloraTotalFrames");
    const current = call("laloraCurrentFrame");
    if (typeof total !== "number" || typeof current !== "number")
      throw new Error("the movie does not answer");
    return { total, current };
  }

  function stamped(state) {
    return { ...state, seq: ++seq };
  }

  function reportState() {
    if (!ready)
      return;
    try {
      const state = frameState();
      const key = state.total + "/" + state.current;
      if (key !== reported) {
        reported = key;
        post({ type: "state", ...stamped(state) });
      }
    } catch (e) {
      ready = false;
      post({ type: "error", message: String(e) });
    }
  }

  // Runs one bridge operation and answers with the frame state after it.
  function command(operation) {
    try {
      if (!ready)
        throw new Error("the movie is not ready");
      operation();
      const state = frameState();
      reported = state.total + "/" + state.current;
      return { ok: true, gen: generation, ...stamped(state) };
    } catch (e) {
      return { ok: false, gen: generation, error: String(e) };
    }
  }

  // Called by the bridge movie once its callbacks exist.
  window.laloraReady = () => {
    ready = true;
    reported = "";
    post({ type: "ready" });
    reportState();
  };

  window.addEventListener("dblclick", () => post({ type: "dblclick" }), true);
  window.addEventListener("contextmenu", (e) => e.preventDefault(), true);

  window.lalora = {
    load(gen, url) {
      generation = gen;
      ready = false;
      reported = "";
      player.ruffle().load({ url, ...kConfig })
        .catch((e) => post({ type: "error", message: String(e) }));
      return true;
    },
    // Ends the movie shown (picture and sound) and shows none.
    clear(gen) {
      generation = gen;
      ready = false;
      player.remove();
      player = createPlayer();
      return true;
    },
    gotoFrame: (frame) => command(() => call("laloraGotoFrame", frame)),
    rewind: () => command(() => call("laloraRewind")),
    // Pausing stops the timeline through the bridge and then Ruffle itself,
    // which freezes nested clips and sound as well.
    pause: () => command(() => {
      call("laloraStop");
      player.ruffle().suspend();
    }),
    play: () => command(() => {
      player.ruffle().resume();
      call("laloraPlay");
    }),
  };

  setInterval(reportState, kStatePollMs);
})();
