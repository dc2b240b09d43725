-- Opens the session in a fresh process, lets the plug-in take its chunk, and saves it again.
AudioEngine:set_backend("None (Dummy)", "", "")
load_session(os.getenv("SESSION_DIR"), "check")
assert(Session, "the session did not load")
Session:save_state("", false, false, false, false, false)
close_session()
