#pragma once
// How the combination and multi pages put their controls, containers and form sub-pages in place;
// shared by the column pages and the master-effect pages, which have no columns.
#include <string>

class CHfcControl;
class CTabPageLayer;
class EditTabPageLayerBase;
class QnControlContainer;
class QnControlCreater;
class QnStaticText;
class QnSynthLayer;

namespace CombiMultiPlacement {

// A container of that image at (x, y) of the page (the image's size unless given), owned by the page.
QnControlContainer* AddContainer(QnSynthLayer* page, const std::string& image, int x, int y, bool framed,
                                 int width = 0, int height = 0);
// A creator for controls placed relative to the container, cutting their back from its image.
QnControlCreater CreaterFor(const QnControlContainer* container);
// The page's linked-control steps, and put in the container (when given). None is passed over.
void PlaceControl(EditTabPageLayerBase* page, CHfcControl* control, QnControlContainer* container, int pid);
QnStaticText* PlaceLabel(EditTabPageLayerBase* page, QnControlCreater& creater, QnControlContainer* container,
                         int x, int y, const std::string& text, int width, int height, bool category,
                         int hAlign, int vAlign);
// A sublevel page built from form formId on the host's sublevel tab control, with the host's kind,
// named and on the background given (the arpeggiator's forms sit on the smaller sub-page
// background); ex: a page whose key and velocity fields take played notes. None when the form or
// the tab control is missing.
CTabPageLayer* AddFormSubPage(EditTabPageLayerBase* host, int formId, const std::string& name,
                              const std::string& background, bool ex = false);

}  // namespace CombiMultiPlacement
