#pragma once
// The About window's behaviour, apart from its native controls: the texts read once from the
// version record, and the handlers that start the stars and chain the two sliding labels.
#include <string>

#include "about/behavior_label.h"
#include "about/starfield.h"
#include "about/version_info.h"

namespace tolsy {

inline constexpr char kAboutFallbackCompany[] = "Quorvane Software";
inline constexpr char kAboutFallbackTrademark[] = "Framewright is a trademark";
inline constexpr char kAboutWebAddress[] = "quorvane.test";
inline constexpr char kLineBreak[] = "\r\n";

// (a div 2) - (b div 2) with each halving truncated toward zero, as the panel placement needs.
int centred_left(int client_width, int label_width);

// The panel that carries the first label; only its Left and Width change.
class AboutPanel {
  public:
    virtual ~AboutPanel() = default;
    virtual void set_left(int left) = 0;
    virtual void set_width(int width) = 0;
};

struct AboutControls {
    TStarfield& Starfield1;
    AboutPanel& Panel1;
    TBehaviorLabel& BehaviorLabel1;
    TBehaviorLabel& BehaviorLabel2;
    TEPInfoExe& EPInfoExe1;
};

class TAboutHandlers {
  public:
    explicit TAboutHandlers(AboutControls controls) : c_(controls) {}

    void FormCreate(const std::string& program_file);
    void FormActivate(int client_width);
    void BehaviorLabel1Stop();
    void FormClose();

    const std::string& VersionText() const { return version_text_; }
    const std::string& DescriptionText() const { return description_text_; }
    const std::string& CompanyText() const { return company_text_; }
    const std::string& TrademarkText() const { return trademark_text_; }

  private:
    AboutControls c_;
    std::string version_text_, description_text_, company_text_, trademark_text_;
};

}  // namespace tolsy
