#include "cups/private_spooler.h"

#include <cups/cups.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace qm::test {

namespace {

std::string CupsPdfConf(const std::string& queue) { return "/etc/cups/cups-pdf-" + queue + ".conf"; }

int Run(const std::vector<std::string>& args) {
    pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

PrivateSpooler::~PrivateSpooler() { Stop(); }

std::string PrivateSpooler::Start() {
    char pattern[] = "/tmp/quillmark-cups-XXXXXX";
    if (!::mkdtemp(pattern)) return "mkdtemp failed";
    folder_ = pattern;
    ::chmod(folder_.c_str(), 0755);  // filters run as user lp
    for (const char* sub : {"spool", "tmp", "cache", "state", "log", "pdf", "ppd"}) {
        std::filesystem::create_directories(folder_ + "/" + sub);
    }
    ::chmod((folder_ + "/tmp").c_str(), 01777);
    ::chmod((folder_ + "/pdf").c_str(), 0777);
    std::ofstream(folder_ + "/cups-files.conf")
        << "ServerRoot " << folder_ << "\nRequestRoot " << folder_ << "/spool\nTempDir " << folder_
        << "/tmp\nCacheDir " << folder_ << "/cache\nStateDir " << folder_ << "/state\nAccessLog " << folder_
        << "/log/access_log\nErrorLog " << folder_ << "/log/error_log\nPageLog " << folder_
        << "/log/page_log\nPrintcap " << folder_ << "/printcap\nSystemGroup root\nFileDevice Yes\n";
    std::ofstream(folder_ + "/cupsd.conf")
        << "Listen " << folder_ << "/cups.sock\nBrowsing No\nWebInterface No\nDefaultAuthType None\nLogLevel warn\n"
        << "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n  </Limit>\n</Policy>\n"
        << "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n";

    pid_ = ::fork();
    if (pid_ == 0) {
        const std::string c = folder_ + "/cupsd.conf", s = folder_ + "/cups-files.conf";
        ::execl("/usr/sbin/cupsd", "cupsd", "-f", "-c", c.c_str(), "-s", s.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const std::string socket = folder_ + "/cups.sock";
    for (int i = 0; i < 100 && !std::filesystem::exists(socket); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!std::filesystem::exists(socket)) return "cupsd did not start";
    ::setenv("CUPS_SERVER", socket.c_str(), 1);
    return {};
}

std::string PrivateSpooler::AddQueue(const std::string& name) {
    std::ofstream conf(CupsPdfConf(name));
    if (!conf) return "cannot write " + CupsPdfConf(name);
    conf << "Out " << PdfFolder() << "\n";
    conf.close();
    queues_.push_back(name);
    const int rc = Run({"lpadmin", "-p", name, "-E", "-v", "cups-pdf:/" + name, "-m",
                        "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd", "-o", "pdftops-renderer-default=pdftocairo", "-o",
                        "TitlePref=1"});
    return rc == 0 ? std::string() : "lpadmin failed for " + name;
}

void PrivateSpooler::RemoveQueue(const std::string& name) {
    Run({"lpadmin", "-x", name});
    std::filesystem::remove(CupsPdfConf(name));
    std::erase(queues_, name);
}

int PrivateSpooler::WaitForCompletedJobs(const std::string& queue, const std::string& title, int count,
                                         int seconds) const {
    int completed = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    do {
        cups_job_t* jobs = nullptr;
        const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
        completed = 0;
        for (int i = 0; i < n; ++i) {
            if (jobs[i].state == IPP_JSTATE_COMPLETED && title == jobs[i].title) ++completed;
        }
        cupsFreeJobs(n, jobs);
        if (completed >= count) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    } while (std::chrono::steady_clock::now() < deadline);
    return completed;
}

void PrivateSpooler::Stop() {
    for (const std::string& queue : std::vector<std::string>(queues_)) std::filesystem::remove(CupsPdfConf(queue));
    queues_.clear();
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        folder_.clear();
    }
}

}  // namespace qm::test
