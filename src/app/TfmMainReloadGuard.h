#pragma once

#include "app/ProblemListModel.h"
#include "app/TfmMain.h"

// Keeps the list out of the way while the table is reloaded, also when the load fails.
class TfmMain::ReloadGuard {
 public:
  explicit ReloadGuard(TfmMain& window) : m_window(window) {
    m_window.m_reloading = true;
    m_window.m_problemModel->beginReload();
  }
  ~ReloadGuard() {
    m_window.m_problemModel->endReload();
    m_window.m_reloading = false;
    m_window.syncListToTable();
    m_window.refreshEditors();
  }
  ReloadGuard(const ReloadGuard&) = delete;
  ReloadGuard& operator=(const ReloadGuard&) = delete;

 private:
  TfmMain& m_window;
};
