#pragma once
// The private interface between the standalone program and the editor plug-in it hosts. Both sides
// include this header; nothing else of either side is shared.
//
// Hand-over: the program fills a VintorHandOver with its host object and calls the plug-in's
// dispatcher with the vendor-specific opcode (50), index kVintorHandOverTag ('Vntc'), value 0 and
// the record's address as the pointer. A plug-in that takes part stores its own object in
// `plugin` (it stays valid until the plug-in is closed) and answers 1; any other answer, or a null
// `plugin`, means the plug-in has none and the program skips every call below. Both objects are
// plain C++ interfaces: the program and the plug-in are built by the same compiler.
//
// The host object lives for the program's whole run. Its operations may be called on any thread;
// they only queue work (LEDs and LCDs are sent, and a channel change applied, on the program's main
// thread). The plug-in object's operations are called on the program's main thread, except
// ControllerEvent*, which arrive on the program's MIDI read thread.
#include <cstdint>

constexpr uint32_t kVintorHandOverTag = 0x566E7463u;  // 'Vntc'
constexpr uint32_t kVintorInterfaceVersion = 0x00010005u;
constexpr int kVintorVendorSpecificOpcode = 50;

class CONSTANT_vintorvstinterface1 {
public:
    // Controller LEDs, 0 ... 43.
    typedef int LED_ID;
    // 0 off, 2 on, 3 blink; anything else off.
    typedef int LED_STATE;
    // 0 the main display, 1 ... 8 the eight knob displays.
    typedef int LCD_ID;
    typedef int LCD_COLOR;
    typedef int LED_HARROW_ID;
};

// The program's object (slots 0 to 4 in this order, then the destructor).
class IVINTORHOST_vintorvstinterface1 : public CONSTANT_vintorvstinterface1 {
public:
    // source: the controller's source endpoint as the plug-in object received it when attached.
    virtual void SetLed_vintorvstinterface1(int source, LED_ID id, LED_STATE state, int value) = 0;
    // text: eight bytes; null shows eight spaces.
    virtual void SetLcd_vintorvstinterface1(int source, LCD_ID id, LCD_COLOR color,
                                            const unsigned char* text) = 0;
    virtual void SetLedHarrow_vintorvstinterface1(int source, LED_HARROW_ID id, LED_STATE state,
                                                  int value) = 0;
    // running: audio is processing; load: the CPU load in percent; the other three are false, 0, false.
    // Null pointers are skipped.
    virtual void GetCpuCost_vintorvstinterface1(bool* running, double* load, bool* other1, double* other2,
                                                bool* other3) = 0;
    // Moves every controller to a new MIDI channel (applied on the program's main thread).
    virtual void SetCombiMIDIChannel_vintorvstinterface1(int channel) = 0;
    virtual ~IVINTORHOST_vintorvstinterface1() = default;
};

// The plug-in's object: what the plug-in must implement to take part.
class IVINTORPLUGIN_vintorvstinterface1 {
public:
    // 0: a controller was attached; write its MIDI channel (0-15) into *channel.
    virtual void AskChannel(unsigned char* channel) = 0;
    // 1: kind 0 first-kind controller, 1 the third kind, 2 second-kind.
    virtual void ControllerAttached(int kind, int source) = 0;
    // 2: an active controller's slot was given another source.
    virtual void ControllerDetached(int source) = 0;
    // 3: a knob turned: index 1-8 (0 none), delta -64 ... 63.
    virtual void ControllerEvent3(int source, int index, int delta) = 0;
    // 4 ... 9: the controller's other events, with the arguments the program passes.
    virtual void ControllerEvent4(int source, int number, int value) = 0;
    virtual void ControllerEvent5(int source, int pad, bool on, int velocity) = 0;
    virtual void ControllerEvent6(int source, bool on, int value) = 0;
    virtual void ControllerEvent7(int source, int index, bool on) = 0;
    virtual void ControllerEvent8(int source, int number, int value) = 0;
    virtual void ControllerEvent9(int source, bool on, int value) = 0;
    // 10 ... 14: the program's file menu.
    virtual void BankOpen() = 0;
    virtual void Reserved11() {}
    virtual void BankSaveAs() = 0;
    virtual void PresetImport() = 0;
    virtual void PresetExport() = 0;
    // 15: the knob mode chosen in the program's settings.
    virtual void SetKnobMode(int mode) = 0;

protected:
    ~IVINTORPLUGIN_vintorvstinterface1() = default;
};

// Passed by address; pointer-sized fields.
struct VintorHandOver {
    IVINTORHOST_vintorvstinterface1* host = nullptr;
    IVINTORPLUGIN_vintorvstinterface1* plugin = nullptr;
    uint32_t version = kVintorInterfaceVersion;
};
