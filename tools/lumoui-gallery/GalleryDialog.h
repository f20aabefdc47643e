#pragma once

#include <memory>
#include <string>

#include "ui/core/MDialog.h"

namespace LumoUI {
class CGifPicture;
class CSliderPicture;
class DListBox;
class MComboBox;
class MEdit;
class MPanel;
class MProgress;
class MTabCtrl;
class MText;
class MenuWnd;
}  // namespace LumoUI

// The gallery's window: every widget of the library on five pages behind a tab strip (texts and
// areas, pictures, buttons, edits, lists and values), a line that tells the last thing a widget
// reported, and one button per way of closing a dialog. The modal result tells which button
// closed it; State() tells what the edit, the combo box, the list and the tab strip hold then.
class GalleryDialog : public LumoUI::MDialog {
 public:
  static constexpr int kWidth = 880;
  static constexpr int kHeight = 640;
  enum Page : int { kTextsPage, kPicturesPage, kButtonsPage, kEditsPage, kListsPage, kPageCount };
  enum ControlId : unsigned {
    kTitle = 1,
    kEnglish,
    kChinese,
    kStatus,
    kTabs,
    kOk = 10,
    kCancel,
    kYes,
    kNo,
    kEdit = 20,
    kCombo,
    kCheck,
    kRadioA,
    kRadioB,
    kSlider,
    kProgress,
    kPanel,
    kList,
    kRename,
    kArea,
    kFirstPage = 40,  // one id per page
    kLabel = 50,      // every caption
    kLevel = 60,
    kRadioC,
    kDisabledCheck,
    kMenuButton,
    kTimerButton,
    kSwitch,
    kHelp,
    kApply,
    kDisabledButton,
    kImageButton,
    kIconButton,
    kTextButton,
    kDisabledTextButton,
    kGifRunning,
    kGifStill,
    kGifToggle,
    kLogo,
    kPhoto,
    kSliderPicture,
    kSliderPictureOffset,
    kRichEdit,
    kEditEx,
    kLogonEdit,
    kSpin,
    kOtherSpin,
    kIconEdit,
    kDisabledEdit,
    kListBox,
    kScrollPanel,
    kPanelPicture,
  };
  // Menu rows (their ids come back with the menu's message).
  enum MenuChoice : unsigned { kMenuRename = 1, kMenuCopy, kMenuDelete };

  // Where the widgets the tests drive sit (client coordinates).
  static inline const LumoUI::CRect kTabStripRect{16, 70, 112, 470};
  static inline const LumoUI::CRect kPageRect{128, 70, 864, 568};
  static inline const LumoUI::CRect kEnglishRect{148, 112, 848, 148};
  static inline const LumoUI::CRect kChineseRect{148, 156, 848, 192};
  static inline const LumoUI::CRect kEditRect{330, 112, 530, 144};
  static inline const LumoUI::CRect kComboRect{330, 160, 530, 198};
  static inline const LumoUI::CRect kListRect{148, 112, 420, 240};
  static inline const LumoUI::CRect kRenameRect{148, 252, 268, 290};
  static inline const LumoUI::CRect kMenuButtonRect{148, 112, 268, 150};
  static constexpr int kListRowHeight = 32;
  static constexpr int kTabHeight = 80;
  static LumoUI::CRect TabRect(int page) {
    const int top = kTabStripRect.top + page * kTabHeight;
    return {kTabStripRect.left, top, kTabStripRect.right, top + kTabHeight};
  }
  // The dialog buttons, right-aligned under the pages.
  static LumoUI::CRect ButtonRect(unsigned id) {
    const int left = kPageRect.right - 4 * 140 + 20 + static_cast<int>(id - kOk) * 140;
    return {left, 586, left + 120, 624};
  }

  GalleryDialog();
  ~GalleryDialog() override;

  void InitUI(LumoUI::CRect client) override;
  long OnMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override;
  long OnWindowMessage(unsigned message, platform::WParam wparam, platform::LParam lparam) override;

  // One line per widget: "edit=...", "combo=<index>", "list=<row 0>|<row 1>|...", "page=<index>".
  const std::wstring& State() const { return state_; }

 private:
  static constexpr unsigned kMenuMessage = platform::WM_USER + 1;

  // Each page's widgets; the page is the parent of its controls.
  void BuildTextsPage(LumoUI::MPanel& page);
  void BuildPicturesPage(LumoUI::MPanel& page);
  void BuildButtonsPage(LumoUI::MPanel& page);
  void BuildEditsPage(LumoUI::MPanel& page);
  void BuildListsPage(LumoUI::MPanel& page);
  // A small grey caption.
  LumoUI::MText* Caption(LumoUI::MPanel& page, LumoUI::CRect rect, const wchar_t* text);
  void OpenMenu();
  void ShowStatus(const std::wstring& text);
  void CaptureState();

  LumoUI::MTabCtrl* tabs_ = nullptr;
  LumoUI::MText* status_ = nullptr;
  LumoUI::MEdit* edit_ = nullptr;
  LumoUI::MComboBox* combo_ = nullptr;
  LumoUI::DListBox* list_ = nullptr;
  LumoUI::MProgress* progress_ = nullptr;
  LumoUI::CGifPicture* still_gif_ = nullptr;
  LumoUI::CSliderPicture* slider_picture_ = nullptr;
  std::unique_ptr<LumoUI::MenuWnd> menu_;
  int timer_count_ = 0;
  std::wstring state_;
};
