#include "ui/editor_panels.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "platform/file_system.h"
#include "resources/command_list.h"
#include "resources/hotkeys.h"
#include "resources/menu_tree.h"
#include "ui/qt_bridge.h"

namespace kelvad {

namespace {

// Calls f on clicks of a widget that has no clicked signal of its own.
class ClickFilter : public QObject {
 public:
  ClickFilter(QWidget* target, std::function<void()> f) : QObject(target), f_(std::move(f)) {
    target->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) f_();
    return false;
  }

 private:
  std::function<void()> f_;
};

}  // namespace

// ---------------------------------------------------------------------------
// Commands

CommandsPanel::CommandsPanel(EditorHost& host) : host_(host) {
  hotkey_ = HotkeyEditor::Of(this, 1);
  hotkey_.OfferOptionsWithAKey(this);
  connect(ui.Text2_0, &QLineEdit::textChanged, this, [this] { NameChanged(); });
  connect(ui.Command3_1, &QPushButton::clicked, this, [this] { AddCommand(); });
  OnRowChosen(ui.ListView1_1, [this](QTreeWidgetItem* item) { RowClicked(item); });
  connect(ui.Command3_0, &QPushButton::clicked, this, [this] { DeleteCommand(); });
  connect(ui.Command3_3, &QPushButton::clicked, this, [this] { SaveCommands(); });
  EnableColumnSort(ui.ListView1_1);
  ShowLongTextsWhole(ui.ListView1_1);
}

void CommandsPanel::Enter() {
  view_.Fill(host_.Commands());
  ui.ListView1_1->clear();
  for (const Command& row : view_.rows) AddRow(ui.ListView1_1, {ToQ(row.name), ToQ(row.menu_text), ToQ(row.hotkey)});
  NameChanged();
}

void CommandsPanel::NameChanged() {
  ui.Command3_1->setEnabled(CommandNameAddable(view_.rows, FromQ(ui.Text2_0->text())));
}

void CommandsPanel::AddCommand() {
  std::string name = FromQ(ui.Text2_0->text());
  std::string text = FromQ(ui.Text2_1->text());
  std::string hotkey = ComposeHotkey(hotkey_.Modifier(), FromQ(hotkey_.KeyText()));
  if (!CommandNameAddable(view_.rows, name)) return;
  view_.Add(host_.Commands(), name, text, hotkey);
  host_.AddCommandToPickers(name);
  AddRow(ui.ListView1_1, {ToQ(name), ToQ(text), ToQ(hotkey)});
  SelectRow(ui.ListView1_1, ToQ(name));
  ui.Text2_0->clear();
  ui.Text2_1->clear();
  hotkey_.key->setCurrentIndex(-1);
  hotkey_.key->setEditText("");
  ui.Command3_1->setEnabled(false);
  ui.Command3_0->setEnabled(false);
}

void CommandsPanel::RowClicked(QTreeWidgetItem* item) {
  std::string name = FromQ(item->text(0));
  if (IsStandardCommandName(name)) {
    ui.Command3_0->setEnabled(false);
  } else {
    row_remembered_ = true;
    remembered_ = name;
    ui.Command3_0->setEnabled(true);
  }
  ui.ListView1_1->setCurrentItem(item);
}

void CommandsPanel::DeleteCommand() {
  if (!row_remembered_) {
    ui.Command3_0->setEnabled(false);
    return;
  }
  if (remembered_.empty()) {
    host_.Message(QMessageBox::Warning, "Kelvad", kNoKeyMessage);
    return;
  }
  ui.Command3_0->setEnabled(false);
  view_.Delete(remembered_);
  for (int i = 0; i < ui.ListView1_1->topLevelItemCount(); ++i) {
    if (ui.ListView1_1->topLevelItem(i)->text(0) == ToQ(remembered_)) delete ui.ListView1_1->takeTopLevelItem(i);
  }
  row_remembered_ = false;
}

void CommandsPanel::SaveCommands() {
  // The rows as the view shows them, sorted or not.
  std::vector<Command> rows;
  for (const QStringList& row : Rows(ui.ListView1_1)) rows.push_back({FromQ(row[0]), FromQ(row[1]), FromQ(row[2])});
  std::string error = host_.SaveUserCommands(rows);
  if (!error.empty()) host_.Message(QMessageBox::Warning, "Kelvad", ToQ(error));
}

// ---------------------------------------------------------------------------
// Menus

MenusPanel::MenusPanel(EditorHost& host) : host_(host) {
  hotkey_ = HotkeyEditor::Of(this, 0);
  hotkey_.OfferOptionsWithAKey(this);
  OnRowChosen(ui.TreeMenu, [this](QTreeWidgetItem* item) { NodeClicked(item); });
  connect(ui.MenuText_0, &QLineEdit::textChanged, this, [this](const QString& title) {
    MenuTitleChanged(buttons_, !selected_.empty(), FromQ(title));
    ApplyButtons();
  });
  connect(ui.Combo2_0, &QComboBox::currentTextChanged, this, [this] { ShowPickedCommand(); });
  connect(ui.Combo2_0, &QComboBox::activated, this, [this] { ShowPickedCommand(); });
  connect(ui.MenuCommand_0, &QPushButton::clicked, this, [this] { AddMenu(Placement::kBefore); });
  connect(ui.MenuCommand_1, &QPushButton::clicked, this, [this] { AddMenu(Placement::kAfter); });
  connect(ui.MenuCommand_2, &QPushButton::clicked, this, [this] { DeleteNode(); });
  connect(ui.MenuCommand_3, &QPushButton::clicked, this, [this] { AddItem(Placement::kAfter); });
  connect(ui.MenuCommand_4, &QPushButton::clicked, this, [this] { AddItem(Placement::kBefore); });
  connect(ui.MenuCommand_5, &QPushButton::clicked, this, [this] { AddItem(Placement::kChild); });
}

void MenusPanel::Rebuild() {
  QTreeWidget* tree = ui.TreeMenu;
  tree->clear();
  std::function<void(const MenuNode&, QTreeWidgetItem*)> add = [&](const MenuNode& node, QTreeWidgetItem* parent) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    item->setText(0, ToQ(node.text));
    item->setData(0, Qt::UserRole, ToQ(node.key));
    item->setIcon(0, TreeImageIcon(node.IsMenu() ? 7 : 4));
    if (!node.tag.empty()) item->setToolTip(0, ToQ("Hotkey " + node.tag));
    for (const MenuNode& child : node.children) add(child, item);
  };
  for (const MenuNode& root : host_.Commands().menus) add(root, nullptr);
  tree->expandAll();
  ShowLongTextsWhole(tree);
  if (!selected_.empty()) Highlight(selected_);
}

void MenusPanel::Highlight(const std::string& key) {
  // Showing a node is not choosing it: the buttons act on the node last chosen.
  QSignalBlocker quiet(ui.TreeMenu);
  QTreeWidgetItemIterator it(ui.TreeMenu);
  for (; *it; ++it) {
    if ((*it)->data(0, Qt::UserRole).toString() == ToQ(key)) {
      ui.TreeMenu->setCurrentItem(*it);
      ui.TreeMenu->scrollToItem(*it);
      return;
    }
  }
}

void MenusPanel::ApplyButtons() {
  ui.MenuCommand_0->setEnabled(buttons_.menu_before);
  ui.MenuCommand_1->setEnabled(buttons_.menu_after);
  ui.MenuCommand_2->setEnabled(buttons_.remove);
  ui.MenuCommand_3->setEnabled(buttons_.item_after);
  ui.MenuCommand_4->setEnabled(buttons_.item_before);
  ui.MenuCommand_5->setEnabled(buttons_.item_child);
}

void MenusPanel::NodeClicked(QTreeWidgetItem* item) {
  selected_ = FromQ(item->data(0, Qt::UserRole).toString());
  MenuNodeClicked(buttons_, FromQ(ui.MenuText_0->text()));
  ShowPickedCommand();
  Highlight(selected_);
}

void MenusPanel::ShowPickedCommand() {
  PickedMenuCommand picked = PickMenuCommand(host_.Commands(), FromQ(ui.Combo2_0->currentText()), selected_, buttons_);
  ApplyButtons();
  if (!picked.known) {
    ui.MenuLabel_4->clear();
    return;
  }
  ui.MenuLabel_4->setText(ToQ(picked.menu_text));
  hotkey_.Show(picked.hotkey);
  if (picked.in_tree) Highlight(ItemKey(FromQ(ui.Combo2_0->currentText())));
}

void MenusPanel::AddMenu(Placement placement) {
  std::string title = FromQ(ui.MenuText_0->text());
  if (title.empty()) {
    ui.MenuText_0->setFocus();
    return;
  }
  if (InsertMenu(host_.Commands(), selected_, placement, title)) Rebuild();
}

void MenusPanel::AddItem(Placement placement) {
  std::string name = FromQ(ui.Combo2_0->currentText());
  if (!FindCommand(host_.Commands(), name)) return;
  std::string hotkey = ComposeHotkey(hotkey_.Modifier(), FromQ(hotkey_.KeyText()));
  if (InsertMenuItem(host_.Commands(), selected_, placement, name, hotkey)) {
    Rebuild();
    ShowPickedCommand();
  }
}

void MenusPanel::DeleteNode() {
  if (!DeleteMenuNode(host_.Commands().menus, selected_)) return;
  MenuNodeDeleted(buttons_);
  selected_.clear();
  Rebuild();
  QSignalBlocker quiet(ui.TreeMenu);
  ui.TreeMenu->setCurrentItem(nullptr);
  ApplyButtons();
}

// ---------------------------------------------------------------------------
// Hotkeys

HotkeysPanel::HotkeysPanel(EditorHost& host) : host_(host) {
  hotkey_ = HotkeyEditor::Of(this, 2);
  connect(ui.Combo2_2, &QComboBox::currentTextChanged, this, [this] { ShowPickedCommand(); });
  connect(ui.Combo2_2, &QComboBox::activated, this, [this] { ShowPickedCommand(); });
  connect(hotkey_.key, &QComboBox::currentTextChanged, this, [this] { UpdateAvailability(); });
  // A newly chosen option may be free where the previous one was taken.
  for (QRadioButton* option : hotkey_.options) {
    connect(option, &QRadioButton::toggled, this, [this](bool on) {
      if (on) UpdateAvailability();
    });
  }
  OnRowChosen(ui.ListView1_2, [this](QTreeWidgetItem* item) {
    row_remembered_ = true;
    remembered_ = FromQ(item->text(0));
    ui.Command3_4->setEnabled(true);
  });
  connect(ui.Command3_2, &QPushButton::clicked, this, [this] { AddHotkey(); });
  connect(ui.Command3_4, &QPushButton::clicked, this, [this] { DeleteHotkey(); });
  EnableColumnSort(ui.ListView1_2);
  ShowLongTextsWhole(ui.ListView1_2);
  UpdateAvailability();
}

void HotkeysPanel::Enter() {
  CollectMenuItems(host_.Commands());
  view_.Fill(host_.Commands());
  Refill();
  UpdateAvailability();
}

void HotkeysPanel::Refill() {
  ui.ListView1_2->clear();
  for (const HotkeyRow& row : view_.rows) AddRow(ui.ListView1_2, {ToQ(row.command), ToQ(row.hotkey)});
}

void HotkeysPanel::ShowPickedCommand() {
  const Command* command = FindCommand(host_.Commands(), FromQ(ui.Combo2_2->currentText()));
  if (!command) return;
  ui.Label1_14->setText(ToQ(command->menu_text));
  hotkey_.Show(HotkeysPanelHotkeyState(command->hotkey));
  UpdateAvailability();
}

void HotkeysPanel::UpdateAvailability() {
  HotkeyAvailability a = UpdateHotkeyAvailability(view_.Hotkeys(), FromQ(hotkey_.KeyText()), hotkey_.Modifier());
  hotkey_.SetOptionsEnabled(a.ctrl, a.shift_ctrl, a.plain);
  ui.Command3_2->setEnabled(a.add);
}

void HotkeysPanel::AddHotkey() {
  std::string command = FromQ(ui.Combo2_2->currentText());
  std::string hotkey = HotkeysPanelHotkey(hotkey_.Modifier(), FromQ(hotkey_.KeyText()));
  if (!view_.Add(host_.Commands(), command, hotkey)) return;
  AddRow(ui.ListView1_2, {ToQ(command), ToQ(hotkey)});
  SelectRow(ui.ListView1_2, ToQ(command));
  UpdateAvailability();
}

void HotkeysPanel::DeleteHotkey() {
  ui.Command3_4->setEnabled(false);
  if (!row_remembered_) return;
  view_.Delete(remembered_);
  Refill();
  row_remembered_ = false;
  UpdateAvailability();
}

// ---------------------------------------------------------------------------
// Toolbar

ToolbarPanel::ToolbarPanel(EditorHost& host) : host_(host) {
  connect(ui.Combo2_1, &QComboBox::currentTextChanged, this, [this] { ShowPickedCommand(); });
  connect(ui.Combo2_1, &QComboBox::activated, this, [this] { ShowPickedCommand(); });
  connect(ui.MenuCommand_6, &QPushButton::clicked, this, [this] { AddButton(); });
  connect(ui.MenuCommand_7, &QToolButton::clicked, this, [this] { Move(-1); });
  connect(ui.MenuCommand_8, &QToolButton::clicked, this, [this] { Move(+1); });
  // Their captions hold no letter to give Alt.
  ui.MenuCommand_7->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
  ui.MenuCommand_8->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
  EnableColumnSort(ui.ListView1_0, [this] { TakeDisplayedOrder(); });
  ShowLongTextsWhole(ui.ListView1_0);
  new ClickFilter(ui.Picture2, [this] {
    picture_framed_ = !picture_framed_;
    ui.Picture2->setFrameShape(picture_framed_ ? QFrame::StyledPanel : QFrame::NoFrame);
  });
  DrawPicture();
}

void ToolbarPanel::Rebuild(int select) {
  ui.ListView1_0->clear();
  const auto& rows = host_.Commands().toolbar;
  for (const ToolbarButton& row : rows) AddRow(ui.ListView1_0, {ToQ(row.command), ToQ(row.text)});
  if (select >= 0 && select < static_cast<int>(rows.size())) SelectRow(ui.ListView1_0, ToQ(rows[select].command));
  DrawPicture();
}

void ToolbarPanel::ShowPickedCommand() {
  if (const Command* command = FindCommand(host_.Commands(), FromQ(ui.Combo2_1->currentText()))) {
    ui.MenuText_1->setText(ToQ(command->menu_text));
  }
}

void ToolbarPanel::AddButton() {
  std::string command = FromQ(ui.Combo2_1->currentText());
  if (command.empty()) return;
  if (!AddToolbarButton(host_.Commands(), command, FromQ(ui.MenuText_1->text()))) return;
  AddRow(ui.ListView1_0, {ToQ(command), ui.MenuText_1->text()});
  SelectRow(ui.ListView1_0, ToQ(command));
  DrawPicture();
}

void ToolbarPanel::Move(int delta) {
  QTreeWidgetItem* current = ui.ListView1_0->currentItem();
  if (!current) return;
  // A moved row keeps its place: the rows are no longer kept sorted.
  ui.ListView1_0->setSortingEnabled(false);
  TakeDisplayedOrder();
  size_t index = ui.ListView1_0->indexOfTopLevelItem(current);
  Rebuild(static_cast<int>(MoveToolbarButton(host_.Commands(), index, delta)));
}

void ToolbarPanel::TakeDisplayedOrder() {
  std::vector<ToolbarButton> rows;
  for (const QStringList& row : Rows(ui.ListView1_0)) rows.push_back({FromQ(row[0]), FromQ(row[1])});
  host_.Commands().toolbar = rows;
  DrawPicture();
}

void ToolbarPanel::DrawPicture() {
  // The generated side toolbar: file name label, the buttons, the clock.
  const auto& rows = host_.Commands().toolbar;
  const int width = 64, line = 18;
  const int buttons = static_cast<int>(std::min<size_t>(rows.size(), 6));
  QPixmap picture(width, line * (buttons + 3) + 8);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  QFont font = painter.font();
  font.setPixelSize(10);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawRect(0, 0, width - 1, picture.height() - 1);
  painter.fillRect(2, 2, width - 4, line - 2, QColor(0, 0, 128));
  painter.setPen(Qt::white);
  painter.drawText(QRect(2, 2, width - 4, line - 2), Qt::AlignCenter, "file");
  painter.setPen(Qt::black);
  for (int i = 0; i < buttons; ++i) {
    QRect r(4, 4 + line * (i + 1), width - 8, line - 3);
    painter.fillRect(r, QColor(224, 224, 224));
    painter.drawRect(r);
    painter.drawText(r, Qt::AlignCenter, QString::fromStdString(rows[i].text).left(9));
  }
  int clock_top = picture.height() - 2 * line - 2;
  painter.drawEllipse(QPoint(width / 2, clock_top + line), line - 4, line - 4);
  painter.drawLine(width / 2, clock_top + line, width / 2, clock_top + 8);
  painter.drawLine(width / 2, clock_top + line, width / 2 + 7, clock_top + line);
  painter.end();
  ui.Picture2->setPixmap(picture);
}

}  // namespace kelvad
