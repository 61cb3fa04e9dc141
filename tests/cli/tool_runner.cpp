#include "tool_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <stdexcept>

namespace qml_test {

namespace {

struct Pipe {
    int fd[2] = {-1, -1};
    Pipe() {
        // Close-on-exec: the child keeps only the ends it dup2s, or its stdin would never end.
        if (::pipe2(fd, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    }
    ~Pipe() {
        for (int f : fd)
            if (f >= 0) ::close(f);
    }
    void Close(int end) {
        if (fd[end] >= 0) ::close(fd[end]);
        fd[end] = -1;
    }
};

}  // namespace

ToolResult RunTool(const std::vector<std::string>& args, const std::string& input,
                   const std::vector<std::string>& env, const std::string& outputFile) {
    // A tool that exits before it has read all its input must not take the test down with it.
    ::signal(SIGPIPE, SIG_IGN);
    Pipe in, out, err;
    std::vector<std::string> environment = {"LC_ALL=C", "PATH=/usr/bin:/bin"};
    environment.insert(environment.end(), env.begin(), env.end());

    pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        ::signal(SIGPIPE, SIG_DFL);
        ::dup2(in.fd[0], 0);
        if (outputFile.empty()) {
            ::dup2(out.fd[1], 1);
        } else {
            const int fd = ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (fd < 0) ::_exit(126);
            ::dup2(fd, 1);
        }
        ::dup2(err.fd[1], 2);
        std::vector<char*> argv{const_cast<char*>(QML_CLI_PATH)};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (const std::string& entry : environment) envp.push_back(const_cast<char*>(entry.c_str()));
        envp.push_back(nullptr);
        ::execve(QML_CLI_PATH, argv.data(), envp.data());
        ::_exit(127);
    }
    in.Close(0);
    out.Close(1);
    err.Close(1);

    // Feed the input and drain both outputs together, so that no pipe fills up and blocks.
    ToolResult result;
    size_t written = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    if (input.empty()) in.Close(1);
    ::fcntl(in.fd[1], F_SETFL, O_NONBLOCK);
    while (out.fd[0] >= 0 || err.fd[0] >= 0) {
        pollfd fds[3] = {{out.fd[0], POLLIN, 0}, {err.fd[0], POLLIN, 0}, {in.fd[1], POLLOUT, 0}};
        ::poll(fds, 3, 1000);
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            deadline = std::chrono::steady_clock::time_point::max();
        }
        char chunk[4096];
        for (int i = 0; i < 2; ++i) {
            Pipe& pipe = i == 0 ? out : err;
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
            ssize_t n = ::read(pipe.fd[0], chunk, sizeof chunk);
            if (n <= 0)
                pipe.Close(0);
            else
                (i == 0 ? result.out : result.err).append(chunk, static_cast<size_t>(n));
        }
        if (fds[2].fd >= 0 && (fds[2].revents & (POLLOUT | POLLERR))) {
            ssize_t n = ::write(in.fd[1], input.data() + written, input.size() - written);
            if (n > 0) written += static_cast<size_t>(n);
            if (n < 0 || written == input.size()) in.Close(1);
        }
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    result.peakRssKb = usage.ru_maxrss;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

}  // namespace qml_test
