#pragma once
// The About box: the About picture centred over the dimmed window, with the product name and version;
// any press closes it.
#include <string>

#include "Common/Editor/ModalLayer.h"

class CHfcBmp;
class QnStaticText;

class AboutLayer : public ModalLayer {
public:
    AboutLayer(const std::string& productName, const std::string& version);
    ~AboutLayer() override;

    bool OnCreate() override;
    bool OnDestroy() override;
    void OnRefresh() override;
    bool PreMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;

    // The text the box shows: product name + " Ver. " + version.
    std::string GetVersionLine() const { return m_productName + " Ver. " + m_version; }
    QnStaticText* GetVersionText() const { return m_pText; }
    int GetImageX() const { return m_ox; }
    int GetImageY() const { return m_oy; }

private:
    CHfcBmp* m_pImage = nullptr;
    std::string m_productName;
    std::string m_version;
    QnStaticText* m_pText = nullptr;
    int m_ox = 0;
    int m_oy = 0;
};
