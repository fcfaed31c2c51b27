#pragma once
// The table of standard objects: the skin objects controls use when their ThemeObject is
// "default", found once per rebuild of a theme's look. The form and tool window entries also
// hold copies that the table owns.
#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "skin/stored/skin_source.h"

namespace tolsy {

inline constexpr int kStandardObjectSlots = 50;

// Slot numbers; the form's five slots repeat for the tool window from kSlotToolWindow on.
enum StandardSlot : int {
    kSlotForm = 0,
    kSlotClientPlaceholder = 1,
    kSlotFormCopy = 2,
    kSlotFormSecondCopy = 3,
    kSlotClientCopy = 4,
    kSlotButton = 5,
    kSlotCheckBox = 6,
    kSlotRadioButton = 7,
    kSlotGroupBox = 8,
    kSlotScrollBar = 9,
    kSlotProgressBar = 10,
    kSlotEdit = 11,
    kSlotComboBox = 12,
    kSlotTrackBar = 13,
    kSlotMenuBar = 14,
    kSlotPopupMenu = 15,
    kSlotHeader = 16,
    kSlotStatusBar = 17,
    kSlotTabs = 18,
    kSlotContainer = 19,
    kSlotFrame = 20,
    kSlotScrollBox = 21,
    kSlotSplitter = 22,
    kSlotSpinButton = 23,
    kSlotControlBar = 24,
    kSlotGrid = 25,
    kSlotListBox = 26,
    kSlotHint = 27,
    kSlotSpeedButton = 28,
    kSlotToolBar = 29,
    kSlotToolWindow = 30,
    kSlotPanel = 35,
    kSlotScrollBoxAgain = 36,
};

// The root looked up for each of slots 5 to 29, in slot order.
const std::array<std::string_view, 25>& standard_root_names();

// A root of the source by name (ignoring case), never a path; none when absent.
TSeSkinObject* find_root(const TSeSkinSource& source, std::string_view name);

class StandardObjectTable {
  public:
    StandardObjectTable() = default;
    StandardObjectTable(const StandardObjectTable&) = delete;
    StandardObjectTable& operator=(const StandardObjectTable&) = delete;

    // Empties every slot and frees the objects the table owns.
    void clear();
    // Fills the table from the working copy; the form and tool window objects of the working
    // copy lose their client part, gain a placeholder and have their system buttons hidden.
    void rebuild(TSeSkinSource& working);

    // The object in a slot, or none (also for a slot number outside 0..49).
    TSeSkinObject* slot(int index) const;

  private:
    void fill_form(TSeSkinSource& working, std::string_view root_name, int base);
    TSeSkinObject* keep(std::unique_ptr<TSeSkinObject> copy, const TSeSkinSource& working);

    std::array<TSeSkinObject*, kStandardObjectSlots> slots_{};
    std::vector<std::unique_ptr<TSeSkinObject>> owned_;
};

}  // namespace tolsy
