// SPDX-License-Identifier: GPL-2.0-or-later
// The real main frame, shown and active, over a fixture data folder with its profile in it.
#pragma once

#include <QTest>
#include <memory>

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

// Base of the test objects that drive that frame: StartFrame() in init(),
// StopFrame() in cleanup().
template <typename Data>
class CFrameTest : public QObject {
 protected:
  bool StartFrame() {
    fixture_ = std::make_unique<CFrameFixture<Data>>();
    frame_ = &fixture_->frame;
    return QTest::qWaitForWindowActive(frame_);
  }
  void StopFrame() {
    frame_ = nullptr;
    fixture_.reset();
  }
  CChildFrame* Active() const { return fixture_->Active(); }
  // Whether the frame's routing chain handles the command and enables it.
  bool Enabled(int id) const {
    CCmdUI ui;
    return frame_->UpdateCommand(id, ui) && ui.IsEnabled();
  }

  std::unique_ptr<CFrameFixture<Data>> fixture_;
  CMainFrame* frame_ = nullptr;
};

}  // namespace skrybon::testing
