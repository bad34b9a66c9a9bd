#pragma once
// The main window: marking grid, condition switches and panels, counts, every main action.

#include "platform/form.h"

class TV65x : public VForm {
    Q_OBJECT
public:
    TV65x();
    void FormCreate() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void FormCloseQuery(bool& canClose);
    void FormClose();
};

// The main window's caption: the version and the update host's domain.
QString MainWindowCaption();
