-- A session with the plug-in as the instrument of one MIDI track, saved and closed (headless).
-- With TOLVA_CHECK_CONNECTED set, the plug-in reaches an instrument: the session is saved again
-- (for up to 30 s) until its chunk holds more than the empty state, the instrument's data.
AudioEngine:set_backend("None (Dummy)", "", "")
create_session(os.getenv("SESSION_DIR"), "check", 48000)
local info = ARDOUR.LuaAPI.new_plugin_info("Tolva Plug-In Editor", ARDOUR.PluginType.LXVST)
assert(not info:isnil(), "the plug-in is not in the host's plug-in list")
local midi = ARDOUR.ChanCount(ARDOUR.DataType("midi"), 1)
local audio = ARDOUR.ChanCount(ARDOUR.DataType("audio"), 2)
local tracks = Session:new_midi_track(midi, audio, true, info, nil, nil, 1, "Tolva",
                                      ARDOUR.PresentationInfo.max_order, ARDOUR.TrackMode.Normal, true, false)
assert(tracks:size() == 1, "no MIDI track was made")
Session:save_state("", false, false, false, false, false)
if os.getenv("TOLVA_CHECK_CONNECTED") then
  local path = os.getenv("SESSION_DIR") .. "/check.ardour"
  for _ = 1, 60 do
    local f = assert(io.open(path, "r"))
    local chunk = string.match(f:read("*a"), "<chunk[^>]*>([^<]*)</chunk>")
    f:close()
    if chunk and chunk ~= "AAAAAA==" then break end
    ARDOUR.LuaAPI.usleep(500000)
    Session:save_state("", false, false, false, false, false)
  end
end
close_session()
