#pragma once

namespace pivlon {

// The three tab pages, in the order of the tab control's items.
enum Page { JoinLeavePage = 0, DigestPage = 1, OtherPage = 2 };
inline constexpr int kPageCount = 3;

}  // namespace pivlon
