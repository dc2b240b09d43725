-- Opens the session in a fresh process, lets the plug-in take its chunk, and saves it again.
-- With TOLVA_CHECK_SENT_BYTES set, the plug-in reaches the simulated instrument: the save waits (for
-- up to 60 s) until the instrument's report ($TOLVA_SIM_REPORT) shows that many bytes received, the
-- session's state sent to it.
AudioEngine:set_backend("None (Dummy)", "", "")
load_session(os.getenv("SESSION_DIR"), "check")
assert(Session, "the session did not load")
local want = tonumber(os.getenv("TOLVA_CHECK_SENT_BYTES") or "")
if want then
  for _ = 1, 120 do
    local f = io.open(os.getenv("TOLVA_SIM_REPORT"), "r")
    local got = 0
    if f then
      got = tonumber(string.match(f:read("*a"), "received_bytes=(%d+)") or "0")
      f:close()
    end
    if got >= want then break end
    ARDOUR.LuaAPI.usleep(500000)
  end
  -- The send's last reply, and the connection's end.
  ARDOUR.LuaAPI.usleep(1000000)
end
Session:save_state("", false, false, false, false, false)
close_session()
