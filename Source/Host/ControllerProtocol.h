#pragma once
// The hardware controllers' system-exclusive messages: what the program sends them (exclusive
// mode, LEDs, LCDs, the four initialisation messages, identity request, probe) and the code maps
// from the plug-in's ids to the controllers' codes. Pure functions of their arguments.
#include <cstdint>
#include <vector>

using MidiBytes = std::vector<uint8_t>;

// LED_ID to LED code: 0-19 as they are, 20-28 shuffled, 29-43 to 32-46, anything else 47.
int ControllerLedCode(int ledID);
// LED_STATE to state code: 0 -> 1, 2 -> 2, 3 -> 3, anything else 0.
int ControllerLedStateCode(int state);
// LCD_ID to LCD code: 0 -> 8, 1-8 -> 0-7; false for any other id (nothing is sent for it).
bool ControllerLcdCode(int lcdID, int* code);

// kind: K, 0 for a first-kind controller, 2 for a second-kind one; channels 0-15.
MidiBytes MsgSpecialMode(int kind, int channel, int mode);
MidiBytes MsgLed(int kind, int channel, int code, int stateCode, int value);
MidiBytes MsgLedHarrow(int id, int stateCode, int value);
MidiBytes MsgLcd(int kind, int channel, int code, int colour, const uint8_t text[8]);
MidiBytes MsgInitial1(int kind, int oldChannel, int newChannel);
MidiBytes MsgInitial2(int kind, int newChannel);
MidiBytes MsgInitial3(int kind, int newChannel);
MidiBytes MsgInitial4(int kind, int newChannel);
MidiBytes MsgIdentityRequest();
MidiBytes MsgProbe();
