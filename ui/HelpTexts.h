#pragma once
// Titles and texts of the two help boxes, exactly as the program shows them.
// The controls table's lines are joined by carriage returns.

namespace skyvane::HelpTexts {

inline constexpr const char* HowToPlayTitle = "遊び方";
inline constexpr const char* HowToPlay =
    "ゲームを開始すると画面奥から次々に隕石が飛んでくるのでぶつからないようにしつつ、"
    "画面外に飛び出してしまわないように注意しながらゴールを目指して下さい。";

inline constexpr const char* ControlsTableTitle = "操作表";
inline constexpr const char* ControlsTable =
    "１Ｐ\r"
    "移　　動：←　→\r"
    "ロケット：　↑\r"
    "\r"
    "２Ｐ\r"
    "移　　動：Ｚ　Ｘ\r"
    "ロケット：Ｓｈｉｆｔ";

} // namespace skyvane::HelpTexts
