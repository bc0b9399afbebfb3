// A CUPS daemon of the test suite's own, in a private folder, with cups-pdf
// queues whose PDF files land in that folder. Nothing of the machine's own
// printing is touched: clients reach this daemon through CUPS_SERVER.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace qm::test {

class PrivateSpooler {
public:
    PrivateSpooler() = default;
    ~PrivateSpooler();  // stops the daemon and removes what it set up
    PrivateSpooler(const PrivateSpooler&) = delete;
    PrivateSpooler& operator=(const PrivateSpooler&) = delete;

    // Starts the daemon; empty on success, else what went wrong.
    std::string Start();

    // Adds a cups-pdf queue; empty on success.
    std::string AddQueue(const std::string& name);
    void RemoveQueue(const std::string& name);

    // The folder where the queues' PDF files are written.
    std::string PdfFolder() const { return folder_ + "/pdf"; }

    // Waits up to `seconds` until `count` jobs titled `title` are completed;
    // returns how many were.
    int WaitForCompletedJobs(const std::string& queue, const std::string& title, int count, int seconds) const;

    void Stop();

private:
    std::string folder_;
    pid_t pid_ = -1;
    std::vector<std::string> queues_;
};

}  // namespace qm::test
