#include "about/about_form.h"

namespace tolsy {
namespace {
// The panel leaves this much room right of the resting label, which rests at Left 4.
constexpr int kPanelSlack = 5;
}  // namespace

int centred_left(int client_width, int label_width) {
    // C++ division truncates toward zero, for negative widths too.
    return client_width / 2 - label_width / 2;
}

void TAboutHandlers::FormCreate(const std::string& program_file) {
    c_.EPInfoExe1.set_exe_name(program_file);
    c_.EPInfoExe1.ReadInfo();
    version_text_ = c_.EPInfoExe1.FileVersion();
    trademark_text_ = c_.EPInfoExe1.LegalTradeMarks();
    if (trademark_text_.empty()) trademark_text_ = kAboutFallbackTrademark;
    description_text_ = c_.EPInfoExe1.FileDescription();
    company_text_ = c_.EPInfoExe1.CompanyName();
    if (company_text_.empty()) company_text_ = kAboutFallbackCompany;
}

void TAboutHandlers::FormActivate(int client_width) {
    c_.Starfield1.set_active(true);
    c_.BehaviorLabel2.set_visible(false);
    c_.BehaviorLabel2.set_caption({});
    c_.BehaviorLabel1.set_caption(description_text_ + kLineBreak + "By " + company_text_ +
                                  kLineBreak + trademark_text_);
    // An idle effect takes the label's bounds now as the place where it will come to rest.
    c_.BehaviorLabel1.BehaviorOptions().set_active(true);
    const int w = c_.BehaviorLabel1.Width();
    c_.Panel1.set_width(w + kPanelSlack);
    const int x = centred_left(client_width, w);
    c_.Panel1.set_left(x);
    c_.BehaviorLabel1.set_left(x);
}

void TAboutHandlers::BehaviorLabel1Stop() {
    c_.BehaviorLabel2.set_caption("Ver. " + version_text_ + kLineBreak + kAboutWebAddress);
    c_.BehaviorLabel2.set_visible(false);
    c_.BehaviorLabel2.BehaviorOptions().set_active(true);
}

void TAboutHandlers::FormClose() {
    c_.Starfield1.set_active(false);
    c_.BehaviorLabel1.set_visible(false);
    c_.BehaviorLabel2.set_visible(false);
}

}  // namespace tolsy
