#pragma once

// The tool's only form. It never becomes visible: its load does the whole
// work and shows the one message box.
class frmMorvakPoisto {
  public:
    void Form_Load();
};
