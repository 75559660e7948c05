// The "About Test" window: the paper's summary before the attempt starts.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about_test.h"
#include "testee_identity.h"

#include <QDialog>
#include <functional>

namespace student {

class AboutTestWindow : public QDialog
{
    Q_OBJECT

public:
    AboutTestWindow(const store::DataRoot &root, const TesteeIdentity &identity,
                    std::function<void()> quit, QWidget *parent = nullptr);

    const AboutTest &model() const { return m_model; }

Q_SIGNALS:
    /// "Click to start test".
    void startRequested(const student::TesteeIdentity &identity);

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    AboutTest m_model;
    TesteeIdentity m_identity;
    std::function<void()> m_quit;
    bool m_closeEndsProgram = true;
};

} // namespace student
