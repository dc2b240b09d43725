// The key and velocity zone page: the slope rules for lists, fields and bar drags, the zone bars
// following the values, played notes filling the field being edited.
#include <gtest/gtest.h>

#include <random>

#include "Common/Controls/QorZoneSlopeBar.h"
#include "Common/Model/Converters.h"
#include "Common/Model/ParamDesc.h"
#include "Common/Pages/CombiMultiKeyVelZoneLayers.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Pages/PagesFixture.h"

using namespace QorX0;
using Z = CombiMultiKeyVelZoneLayer;

namespace {

class KeyVelZoneTest : public PagesFixture {
public:
    void SetUp() override {
        PagesFixture::SetUp();
        page = Adopt(new MultiKeyVelZoneLayer(synth.get()), "Background_MainTab_Large");
        ShowPage(page);
    }
    static constexpr int b = 0x300;  // track 3
    int Get(int p) { return page->GetParamValue(kModeMulti, b + p); }
    // The instrument's values, in an order the section accepts.
    void Set(int top, int topSlope, int bottomSlope, int bottom, bool keys = true) {
        const int first = keys ? Z::kKeyTop : Z::kVelTop;
        ISection* track = nullptr;
        ASSERT_TRUE(synth->GetEditBuffer(kModeMulti)->FindSectionByPID(b, &track));
        track->PutParamIEx(b + first + 1, 0, kPutNotify | kPutForce);
        track->PutParamIEx(b + first + 2, 0, kPutNotify | kPutForce);
        track->PutParamIEx(b + first + 3, keys ? 0 : 1, kPutNotify | kPutForce);
        track->PutParamIEx(b + first, top, kPutNotify | kPutForce);
        track->PutParamIEx(b + first + 3, bottom, kPutNotify | kPutForce);
        track->PutParamIEx(b + first + 1, topSlope, kPutNotify | kPutForce);
        track->PutParamIEx(b + first + 2, bottomSlope, kPutNotify | kPutForce);
        Tick();
        ASSERT_EQ(Get(first), top);
        ASSERT_EQ(Get(first + 3), bottom);
    }
    void Choose(int p, int index) { page->OnHfcCtrlIntValueChanged(page->GetControlById(b + p, 0), index); }
    void Type(int p, const char* text) {
        page->OnHfcCtrlPtrValueChanged(page->GetControlById(b + p, 0), const_cast<char*>(text));
    }
    void Drag(bool keys, int end, int value) {
        tagZoneSlopeBarChange change{end, value};
        page->OnHfcCtrlPtrValueChanged(keys ? page->GetKeyBar(2) : page->GetVelBar(2), &change);
    }
    std::string Format(int p, int value) {
        PARAMDESC desc{};
        EXPECT_TRUE(page->GetParamDesc(&desc, kModeMulti, b + p));
        const std::string text = desc.converter->Format(value);
        return text.substr(0, text.find('\0'));
    }
    bool Consistent(bool keys) {
        const int first = keys ? Z::kKeyTop : Z::kVelTop;
        auto w = keys ? Z::KeySlopeWidth : Z::VelSlopeWidth;
        return Get(first + 3) + w(Get(first + 2)) + w(Get(first + 1)) <= Get(first);
    }
    MultiKeyVelZoneLayer* page = nullptr;
};

TEST_F(KeyVelZoneTest, SlopesAndEndsStayWithinTheZone) {
    struct Case {
        const char* what;
        bool keys;
        int top, ts, bs, bottom;
        std::function<void(KeyVelZoneTest&)> edit;
        int p, stored;
    };
    const Case cases[] = {
        {"the widest bottom slope in its list takes the widest that fits 10", true, 60, 2, 0, 48,
         [](KeyVelZoneTest& t) { t.Choose(Z::kKeyBottomSlope, 15); }, Z::kKeyBottomSlope, 7},
        {"a typed top below bottom and both slopes", true, 60, 2, 3, 48,
         [](KeyVelZoneTest& t) { t.Type(Z::kKeyTop, t.Format(Z::kKeyTop, 50).c_str()); }, Z::kKeyTop, 53},
        {"a typed bottom above top less both slopes", true, 60, 2, 3, 48,
         [](KeyVelZoneTest& t) { t.Type(Z::kKeyBottom, t.Format(Z::kKeyBottom, 58).c_str()); }, Z::kKeyBottom,
         55},
        {"top slope end dragged to 50: width 10", true, 60, 0, 0, 40,
         [](KeyVelZoneTest& t) { t.Drag(true, 3, 50); }, Z::kKeyTopSlope, 7},
        {"top slope end dragged to 55: width 5, the smaller of 4 and 6", true, 60, 0, 0, 40,
         [](KeyVelZoneTest& t) { t.Drag(true, 3, 55); }, Z::kKeyTopSlope, 4},
        {"bottom slope end dragged past what fits", true, 60, 5, 0, 40,
         [](KeyVelZoneTest& t) { t.Drag(true, 2, 100); }, Z::kKeyBottomSlope, 8},
        {"zone top dragged below the slopes", true, 60, 2, 2, 40,
         [](KeyVelZoneTest& t) { t.Drag(true, 1, 30); }, Z::kKeyTop, 44},
        {"velocity bottom slope end dragged to 40: width 39, nearest 40", false, 127, 0, 0, 1,
         [](KeyVelZoneTest& t) { t.Drag(false, 2, 40); }, Z::kVelBottomSlope, 5},
        {"velocity top slope from its list, 15 does not fit 126 - 40", false, 127, 0, 5, 1,
         [](KeyVelZoneTest& t) { t.Choose(Z::kVelTopSlope, 15); }, Z::kVelTopSlope, 10},
        {"a velocity zone too narrow for any slope", false, 20, 0, 0, 15,
         [](KeyVelZoneTest& t) { t.Drag(false, 3, 10); }, Z::kVelTopSlope, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Set(c.top, c.ts, c.bs, c.bottom, c.keys);
        c.edit(*this);
        Tick();
        EXPECT_EQ(Get(c.p), c.stored);
        EXPECT_TRUE(Consistent(c.keys));
    }
}

TEST_F(KeyVelZoneTest, NearestSlopeIndex) {
    struct Case {
        int width, limit, key, vel;
    };
    const Case cases[] = {{10, 20, 7, 1}, {5, 20, 4, 1}, {0, 127, 0, 0},  {200, 200, 15, 15},
                          {30, 0, 0, 0},  {30, 7, 5, 0}, {13, 127, 8, 2}, {71, 71, 14, 8}};
    for (const Case& c : cases) {
        EXPECT_EQ(Z::GetNearestKeyIndex(c.width, c.limit), c.key) << c.width << "/" << c.limit;
        EXPECT_EQ(Z::GetNearestVelIndex(c.width, c.limit), c.vel) << c.width << "/" << c.limit;
    }
}

TEST_F(KeyVelZoneTest, TextThatNamesNoValueChangesNothing) {
    Set(60, 2, 3, 48);
    const unsigned before = synth->sections.host.link.count;
    Type(Z::kKeyTop, "no key");
    Type(Z::kVelBottom, "");
    Tick();
    EXPECT_EQ(Get(Z::kKeyTop), 60);
    EXPECT_EQ(synth->sections.host.link.count, before);
    auto* field = dynamic_cast<CHfcCtrlCharEditText*>(page->GetControlById(b + Z::kKeyTop, 0));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(std::string(static_cast<const char*>(field->GetPtrValue())), Format(Z::kKeyTop, 60));
}

TEST_F(KeyVelZoneTest, EveryEditKeepsTheSlopesWithinTheZone) {
    std::mt19937 random(28);
    for (int step = 0; step < 400; ++step) {
        const bool keys = random() % 2;
        const int first = keys ? Z::kKeyTop : Z::kVelTop;
        const int p = first + static_cast<int>(random() % 4);
        const int value = static_cast<int>(random() % 150) - 10;
        switch (random() % 3) {
            case 0:
                if (p == first + 1 || p == first + 2) Choose(p, static_cast<int>(random() % 16));
                break;
            case 1:
                Drag(keys, static_cast<int>(random() % 4), value);
                break;
            default:
                if (p == first || p == first + 3) Type(p, std::to_string(std::max(value, 0)).c_str());
                break;
        }
        Tick();
        ASSERT_TRUE(Consistent(keys)) << "step " << step;
    }
}

TEST_F(KeyVelZoneTest, TheBarsShowTheZone) {
    Set(72, 3, 4, 36);  // widths 3 and 4
    QorZoneSlopeBar* bar = page->GetKeyBar(2);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetZoneMax(), 72);
    EXPECT_EQ(bar->GetZoneMin(), 36);
    EXPECT_EQ(bar->GetSlopeMax(), 69);
    EXPECT_EQ(bar->GetSlopeMin(), 40);
    EXPECT_EQ(page->GetVelBar(2)->GetMinIntValue(), 1);
    // Every column's bar is set when the page is made, not only the first one's.
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(page->GetKeyBar(i)->GetZoneMax(),
                  Get(Z::kKeyTop) * 0 + page->GetParamValue(kModeMulti, (i + 1) * 256 + Z::kKeyTop));
}

TEST_F(KeyVelZoneTest, APlayedNoteFillsTheFieldBeingEdited) {
    auto* bottom = dynamic_cast<CHfcCtrlCharEditText*>(page->GetControlById(b + Z::kKeyBottom, 0));
    auto* velocity = dynamic_cast<CHfcCtrlCharEditText*>(page->GetControlById(b + Z::kVelTop, 0));
    ASSERT_NE(bottom, nullptr);
    ASSERT_NE(velocity, nullptr);
    auto text = [](CHfcCtrlCharEditText* f) {
        return std::string(static_cast<const char*>(f->GetPtrValue()));
    };
    const std::string before = text(bottom);
    page->OnMidiIn(0x90, 61, 99);
    EXPECT_EQ(text(bottom), before) << "no field is being edited";
    ASSERT_TRUE(bottom->EnterEdit(nullptr));
    page->OnMidiIn(0x80, 62, 99);
    EXPECT_EQ(text(bottom), before) << "a note-off";
    page->OnMidiIn(0x93, 61, 99);
    EXPECT_EQ(text(bottom), Format(Z::kKeyBottom, 61));
    bottom->LeaveEdit();
    ASSERT_TRUE(velocity->EnterEdit(nullptr));
    const unsigned char fromInstrument[3] = {0x90, 40, 77};
    synth->FireMIDIIn(fromInstrument, 3);
    EXPECT_EQ(text(velocity), Format(Z::kVelTop, 77));
    page->Hide(false);
    const unsigned char another[3] = {0x90, 40, 12};
    synth->FireMIDIIn(another, 3);
    EXPECT_EQ(text(velocity), Format(Z::kVelTop, 77)) << "a hidden page takes no notes from the instrument";
    velocity->LeaveEdit();
}

}  // namespace
