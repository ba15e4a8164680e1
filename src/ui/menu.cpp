#include "form1.h"
#include "help/frmhelp.h"

// One help window serves the whole run; every opening starts again at the first page.
void Form1::Info_Click()
{
    if (!m_help) {
        m_help = new frmHelp(this);
        connect(m_help, &frmHelp::message, this, &Form1::MsgBox);
    }
    // The window is modal, so the menu cannot be reached while it is open; should the
    // command come in all the same, the open window stays as it is.
    if (m_help->isVisible())
        return;
    m_help->showModally();
}

void Form1::About_Click()
{
    MsgBox(tr("Varnodel, by the Varnodel developers\r"
              "Copyright (c) 2026 the Varnodel developers, under the MIT licence\r"
              "E-mail: varnodel@example.org\r"
              "Web: https://example.org/varnodel"));
}
