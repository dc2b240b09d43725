#include "Host/ControllerProtocol.h"

namespace {

constexpr uint8_t kBlankText[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};

MidiBytes Header(int channel, int kind) {
    return MidiBytes{0xF0, 0x42, static_cast<uint8_t>(0x40 + (channel & 0x0F)), 0x6E,
                     static_cast<uint8_t>(kind)};
}

uint8_t StateValue(int stateCode, int value) {
    return static_cast<uint8_t>(((stateCode << 5) & 0x7F) | (value & 0x1F));
}

void PutText(MidiBytes* m, const uint8_t* text, int count) {
    for (int i = 0; i < count; ++i) m->push_back(text[i % 8]);
}

}  // namespace

int ControllerLedCode(int id) {
    if (id >= 0 && id <= 19) return id;
    switch (id) {
        case 20:
            return 21;
        case 21:
            return 20;
        case 22:
            return 22;
        case 23:
            return 25;
        case 24:
            return 24;
        case 25:
            return 29;
        case 26:
            return 28;
        case 27:
            return 26;
        case 28:
            return 27;
        default:
            break;
    }
    if (id >= 29 && id <= 43) return id + 3;
    return 47;
}

int ControllerLedStateCode(int state) {
    return state == 0 ? 1 : (state == 2 || state == 3) ? state : 0;
}

bool ControllerLcdCode(int id, int* code) {
    if (id == 0) {
        *code = 8;
        return true;
    }
    if (id >= 1 && id <= 8) {
        *code = id - 1;
        return true;
    }
    return false;
}

MidiBytes MsgSpecialMode(int kind, int channel, int mode) {
    MidiBytes m = Header(channel, kind);
    m.insert(m.end(), {0x00, 0x00, static_cast<uint8_t>(mode & 0x7F), 0xF7});
    return m;
}

MidiBytes MsgLed(int kind, int channel, int code, int stateCode, int value) {
    MidiBytes m = Header(channel, kind);
    m.insert(m.end(), {0x01, static_cast<uint8_t>(code & 0x7F), StateValue(stateCode, value), 0xF7});
    return m;
}

MidiBytes MsgLedHarrow(int id, int stateCode, int value) {
    return MidiBytes{
        0xF0, 0x42, 0x40, 0x6E, 0x01, 0x01, static_cast<uint8_t>(id & 0x7F), StateValue(stateCode, value),
        0xF7};
}

MidiBytes MsgLcd(int kind, int channel, int code, int colour, const uint8_t text[8]) {
    MidiBytes m = Header(channel, kind);
    m.insert(m.end(), {0x22, 0x09, static_cast<uint8_t>(((colour << 4) & 0x7F) | (code & 0x0F))});
    PutText(&m, text ? text : kBlankText, 8);
    m.push_back(0xF7);
    return m;
}

MidiBytes MsgInitial1(int kind, int oldChannel, int newChannel) {
    MidiBytes m = Header(oldChannel, kind);
    m.insert(m.end(), {0x3F, 0x27, 0x00});
    m.push_back(0x00);  // offset, sign and magnitude: 0
    m.push_back(static_cast<uint8_t>(newChannel & 0x0F));
    m.push_back(static_cast<uint8_t>(newChannel & 0x0F));
    m.insert(m.end(), 3, 0x00);   // pad-enable bits 0-6, 7-13, 14-15
    m.insert(m.end(), 16, 0x00);  // pad channels
    m.insert(m.end(), 16, 0x00);  // pad note numbers
    m.push_back(0xF7);
    return m;
}

MidiBytes MsgInitial2(int kind, int newChannel) {
    MidiBytes m = Header(newChannel, kind);
    m.insert(m.end(), {0x3F, 0x12, 0x01});
    m.insert(m.end(), 2, 0x00);  // LED and pad states, bits 0-6 and 7-13
    m.push_back(0x00);           // bits 14-15 and five switches
    m.push_back(0x00);           // six switches
    m.insert(m.end(), 4, 0x22);  // eight backlight conditions of 2, low nibble first
    m.push_back(0x03);           // the two-bit value
    PutText(&m, kBlankText, 8);  // LCD text
    m.push_back(0xF7);
    return m;
}

namespace {
MidiBytes TextInitial(int kind, int newChannel, uint8_t step) {
    MidiBytes m = Header(newChannel, kind);
    m.insert(m.end(), {0x3F, 0x21, step});
    PutText(&m, kBlankText, 32);
    m.push_back(0xF7);
    return m;
}
}  // namespace

MidiBytes MsgInitial3(int kind, int newChannel) {
    return TextInitial(kind, newChannel, 0x02);
}

MidiBytes MsgInitial4(int kind, int newChannel) {
    return TextInitial(kind, newChannel, 0x03);
}

MidiBytes MsgIdentityRequest() {
    return MidiBytes{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7};
}

MidiBytes MsgProbe() {
    return MidiBytes{0xF0, 0x42, 0x40, 0x6E, 0x7F, 0x1E, 0x00, 0x01, 0xF7};
}
