#pragma once
// The first page of the combination and of the multi mode: the mixer, one column per timbre or track
// with its program, pan and volume under the column's activity lamp. The combination's page also
// holds its arpeggiator switches and the main settings of its two arpeggiators.
#include "Common/Pages/CombiMultiLayerBase.h"

// What the two mixers share: one column of program, pan and volume.
class CombiMultiPlayLayerBase : public CombiMultiLayerBase {
public:
    using CombiMultiLayerBase::CombiMultiLayerBase;
    // Edits pass straight to the parameter.
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;

    struct MixColumnLayout {
        const char* image;
        int lampWidth;  // the lamp is centred in the column
        int panLabelY, panLabelWidth, knobY;
        int volLabelY, volLabelWidth, barY;
        const char* barImage;  // none: the factory's default bar
        const char* barBackImage;
        int valueY;
    };

protected:
    // Column 'column' at place 'position' of a row whose top is y: x = 4 + position x the image's width.
    void CreateMixColumn(const MixColumnLayout& layout, int column, int position, int y, int lampId);
};

class CombiPlayLayer : public CombiMultiPlayLayerBase {
public:
    explicit CombiPlayLayer(QorX0::IRemoteSynth* synth);
    bool OnCreate() override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;

private:
    void CreateProgMixControls();
    void CreateArpeggioControls();
    void CreateArpeggioControls(QnControlCreater& creater, int x, int y, bool isA);
};

class MultiPlayLayer : public CombiMultiPlayLayerBase {
public:
    explicit MultiPlayLayer(QorX0::IRemoteSynth* synth);
    bool OnCreate() override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;

private:
    void CreateProgMixControls();
};
