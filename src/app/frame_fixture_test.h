// SPDX-License-Identifier: GPL-2.0-or-later
// The real main frame, shown and active, over a fixture data folder with its profile in it.
#pragma once

#include "app/main_frame.h"
#include "testing/widget_fixtures.h"

namespace skrybon::testing {

template <typename Data>
struct CFrameFixture {  // members go in reverse order: frame, profile, data
  Data data;
  CProfile profile{(data.Folder() / "skrybon.ini").string()};
  CMainFrame frame{data.Data(), profile};
  CFrameFixture() {
    frame.resize(1000, 700);
    frame.show();
    QApplication::setActiveWindow(&frame);
  }
  CChildFrame* Active() const { return qobject_cast<CChildFrame*>(frame.ActiveReadingWindow()); }
};

}  // namespace skrybon::testing
