// Reads the files of a refresh off the window's thread and hands the result back
// on it, so that a large class on a slow share does not freeze the window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record_cache.h"
#include "results_reader.h"

#include "store/data_root.h"

#include <QObject>
#include <atomic>
#include <memory>

namespace results {

class ResultsLoader : public QObject
{
    Q_OBJECT

public:
    explicit ResultsLoader(store::DataRoot root, QObject *parent = nullptr);
    ~ResultsLoader() override;

    /// Starts reading one paper and class. A newer request supersedes one still
    /// running: only the newest result is delivered.
    void request(const QString &paper, const QString &className);
    /// Whether a requested read has not been delivered yet.
    bool isBusy() const { return m_pending > 0; }

Q_SIGNALS:
    /// On the loader's thread, once per newest request.
    void loaded(const results::ResultsInput &input);

private:
    store::DataRoot m_root;
    /// Shared with the reads in flight, which skip their work when they are stale.
    std::shared_ptr<std::atomic<quint64>> m_latest;
    /// The files of the last refresh: an automatic refresh opens only those that changed.
    std::shared_ptr<RecordCache> m_cache;
    int m_pending = 0;
};

} // namespace results
