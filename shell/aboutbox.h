// SPDX-License-Identifier: MIT
// The About box: title, logo, version, a short description and OK.
#pragma once

#include <QDialog>

class QPushButton;

namespace loopcalc::shell {

/// A small fixed dialog without an owner, centred on the screen. "OK",
/// Enter, Esc and the close box all close it, and closing deletes it.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox();

    [[nodiscard]] QPushButton* okButton() const { return m_ok; }

    /// "OK" clicked, or Enter pressed: closes and destroys the box.
    void frmAbout_cmdOK_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildTexts();
    void centreOnScreen();

    QPushButton* m_ok;
    bool m_centred = false;
};

}  // namespace loopcalc::shell
