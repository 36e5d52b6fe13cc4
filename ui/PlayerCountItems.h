#pragma once
// The check marks of the two player-count menu items.

#include "input/PlayerCount.h"

#include <QAction>

#include <array>

namespace skyvane {

class PlayerCountItems : public PlayerCountChecks {
public:
    void setChecked(int index, bool checked) override { items.at(static_cast<std::size_t>(index))->setChecked(checked); }
    std::array<QAction*, kPlayerCountItems> items{};
};

} // namespace skyvane
