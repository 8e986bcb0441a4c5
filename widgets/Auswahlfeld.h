#pragma once

#include <QComboBox>

// A drop-down choice that screen readers name by its accessible name and
// read its current entry as the value. On Linux Qt names a combo box by its
// current entry ("automatisch"), which says nothing about what is chosen.
class Auswahlfeld final : public QComboBox {
public:
    explicit Auswahlfeld(QWidget* eltern = nullptr);
};
