#pragma once

#include "UnfallDetailDialog.h"

class FixedGrid;

// The doctors and clinics that treated the injured person: twenty rows, read from the top in their
// stored order and written back as a whole whenever the dialog closes, however it is closed.
class TUnfallBehandlungDlg : public accident::UnfallDetailDialog {
    Q_OBJECT
public:
    explicit TUnfallBehandlungDlg(QWidget* parent = nullptr);
    static constexpr int kRows = 20;

    FixedGrid* grid() const { return m_grid; }
    // Every way of closing writes the list; a list that could not be written keeps the dialog open.
    void done(int result) override;

protected:
    void reset() override;
    void load() override;
    bool write() override;

private:
    FixedGrid* m_grid;
};
