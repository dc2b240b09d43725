#pragma once
// The effect pages of the combination and multi modes. The insert-effect page shows per timbre or
// track its bus, drum-kit effect patch and sends, with red wires from the columns routed into the
// insert effect, the insert effect's switch and type, and sublevel pages for its setup and its own
// parameters. The master-effect page shows the two master effects, their routing picture and
// sublevel pages for the setup, each master effect and the master EQ.
#include "Common/Pages/CombiMultiLayerBase.h"

class EffectEditLayer;

class CombiMultiInsertFXLayerBase : public CombiMultiLayerBase {
public:
    using CombiMultiLayerBase::CombiMultiLayerBase;
    // 0 type, 1 on/off, 2 unused, then per column (added to its base): 3 bus, 4 drum-kit patch,
    // 5 send 1, 6 send 2; -1 otherwise.
    virtual int GetParamId(int which) const = 0;
    // Whether column i sends its signal into the insert effect: its bus list shows "IFX".
    bool IsColumnRoutedToInsertEffect(int column);
    EffectEditLayer* GetEffectPage() const { return m_pEffectPage; }

    bool OnCreate() override;
    void OnPostDrawBackground(CHfcOffscreenContext* context) override;
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    void OnActivate() override {}
    void OnDeactivate() override {}
    void OnSectionParamChanged(QorX0::ISection* section, int pid) override;
    void OnSectionReinitialized(QorX0::ISection* section) override;
    void OnRemoteSynthCurSoundChanged(QorX0::IRemoteSynth* synth, const QorX0::SOUNDINDEX& sound) override;

protected:
    virtual int SetupForm() const = 0;

private:
    EffectEditLayer* m_pEffectPage = nullptr;
};

class CombiInsertFXLayer : public CombiMultiInsertFXLayerBase {
public:
    explicit CombiInsertFXLayer(QorX0::IRemoteSynth* synth);
    int GetParamId(int which) const override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;

protected:
    int SetupForm() const override { return 1072; }
};

class MultiInsertFXLayer : public CombiMultiInsertFXLayerBase {
public:
    explicit MultiInsertFXLayer(QorX0::IRemoteSynth* synth);
    int GetParamId(int which) const override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;

protected:
    int SetupForm() const override { return 1080; }
};

class CombiMultiMasterFXLayer : public EditTabPageLayerBase {
public:
    // Routing switches: each opens the sublevel page of its low four bits.
    enum : int { kIdReturn = 0x10000, kIdMFX1 = 0x10001, kIdMFX2 = 0x10002, kIdMasterEQ = 0x10003 };

    CombiMultiMasterFXLayer(QorX0::IRemoteSynth* synth, int kind);
    // 0 and 1 the types of master effect 1 and 2, 2 and 3 their switches, 4 the chain switch,
    // 5 the chain direction (0 effect 1 into 2, 1 the reverse); -1 otherwise.
    virtual int GetParamId(int which) const = 0;
    EffectEditLayer* GetEffectPage(int which) const {
        return which == 0 ? m_pMFX1 : which == 1 ? m_pMFX2 : nullptr;
    }

    bool OnCreate() override;
    void OnPostDrawBackground(CHfcOffscreenContext* context) override;
    bool OnHfcCtrlMouseLButtonDown(CHfcControl* control, int x, int y, int flags) override;
    void OnSectionParamChanged(QorX0::ISection* section, int pid) override;
    void OnRemoteSynthCurSoundChanged(QorX0::IRemoteSynth* synth, const QorX0::SOUNDINDEX& sound) override;

protected:
    virtual int SetupForm() const = 0;
    virtual int MasterEQForm() const = 0;

private:
    EffectEditLayer* m_pMFX1 = nullptr;
    EffectEditLayer* m_pMFX2 = nullptr;
};

class CombiMasterFXLayer : public CombiMultiMasterFXLayer {
public:
    explicit CombiMasterFXLayer(QorX0::IRemoteSynth* synth);
    int GetParamId(int which) const override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;

protected:
    int SetupForm() const override { return 1073; }
    int MasterEQForm() const override { return 1074; }
};

class MultiMasterFXLayer : public CombiMultiMasterFXLayer {
public:
    explicit MultiMasterFXLayer(QorX0::IRemoteSynth* synth);
    int GetParamId(int which) const override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;

protected:
    int SetupForm() const override { return 1081; }
    int MasterEQForm() const override { return 1082; }
};
