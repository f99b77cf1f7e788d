#pragma once

#include <QGroupBox>

namespace kelvad {

// A panel made from its Designer form alone; panels with reactions of their
// own derive from it.
template <class Form>
class FormPanel : public QGroupBox {
 public:
  explicit FormPanel(QWidget* parent = nullptr) : QGroupBox(parent) { ui.setupUi(this); }
  Form ui;
};

}  // namespace kelvad
