#pragma once
// The main window: fixed size, always on top, holding the composer's pages, the display line
// and the three push buttons.
#include <memory>

#include "skin/themes/theme_components.h"
#include "toolkit/components/stream_value.h"
#include "toolkit/controls/form_components_win.h"
#include "toolkit/controls/form_win.h"

namespace tolsy {

inline constexpr char kSymbolFontFace[] = "Tolsy";
inline constexpr char kMissingFontMessage[] =
    "Tolsy font is not installed.\r\nThis program requires the Tolsy font";

struct Form1Controls;
class Form1View;
class FrameComposer;
class Component;
class TAbout;

class TForm1 : public Form {
  public:
    TForm1();
    ~TForm1() override;

    void FormCreate();
    void FormShow();
    void FormActivate();
    void ApplicationRestore();
    void CloseButtonClick();

    // The window menu's items (SysPopupMenu1).
    void CustomItem1Click();
    void Help1Click();
    void Close1Click();
    // The About window the window menu shows (not owned; created after this window).
    void set_about(TAbout* about) { about_ = about; }

    // Places the window in the top-most band without moving, sizing or activating it.
    void set_topmost();

    // The composer's handlers (app/form1_composer_win.cpp).
    void SymbolComboBoxChange();
    void ConditionComboBoxChange();
    void ToleranceComboBoxChange();
    void DatumCond1ComboBoxChange();
    void DatumCond2ComboBoxChange();
    void DatumCond3ComboBoxChange();
    void Datum1ComboBoxChange();
    void Datum2ComboBoxChange();
    void Datum3ComboBoxChange();
    void DiaCheckBoxClick();
    void ClearAllButtonClick();
    void write_preview();
    void TeSpeedButton1Click(Component& sender);
    void DisplayEditChange();
    void ClipboardButtonClick();

    Form1Controls& controls() { return *controls_; }
    // The theme list and engine of the window's description; none before the window exists.
    ThemeComponents* theme_components() const { return themes_.get(); }
    // The window menu and the other components that act on the window itself.
    FormComponents* shell_components() const { return shell_.get(); }

  private:
    // Creates the child controls and binds their events to the handlers.
    void create_controls(ObjectNode& description);
    // Makes that page of TePageControl1 the active one; an index outside the pages is ignored.
    void set_active_page(int index);

    // Read first, so the stored theme is current before any control asks for it.
    std::unique_ptr<ThemeComponents> themes_;
    std::unique_ptr<Form1Controls> controls_;
    std::unique_ptr<Form1View> view_;
    std::unique_ptr<FrameComposer> composer_;
    std::unique_ptr<FormComponents> shell_;
    TAbout* about_ = nullptr;
    void stay_on_top();

    // The display line's guards (app/form1_composer_win.cpp): its last accepted 8-bit text,
    // and whether the next change is the line's own cut (whose text the clipboard keeps) or
    // the line put back after a refused character (which changes nothing).
    std::string accepted_line_;
    bool cut_pending_ = false;
    bool restoring_line_ = false;
    void cut_display_selection(const std::wstring& selected);
    void paste_into_display();
};

}  // namespace tolsy
