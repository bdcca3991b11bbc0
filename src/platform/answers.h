#pragma once

namespace lumena {

// Answers of yes/no questions, as every window compares them.
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

}  // namespace lumena
