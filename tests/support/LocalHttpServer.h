#pragma once
// A tiny HTTP server on 127.0.0.1 for tests: answers 200 for the paths it is
// given and 404 for any other, one connection at a time, until destroyed.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <set>
#include <string>
#include <thread>

namespace ked::test {

class LocalHttpServer {
 public:
  explicit LocalHttpServer(std::set<std::string> okPaths) : okPaths_(std::move(okPaths)) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    int one = 1;
    ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    ::bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    ::listen(fd_, 8);
    thread_ = std::thread([this] { Serve(); });
  }
  ~LocalHttpServer() {
    stop_ = true;
    ::shutdown(fd_, SHUT_RDWR);
    ::close(fd_);
    thread_.join();
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  int requests() const { return requests_; }
  std::string lastAccept() const { return lastAccept_; }

 private:
  void Serve() {
    while (!stop_) {
      int client = ::accept(fd_, nullptr, nullptr);
      if (client < 0) return;
      std::string request;
      char buf[2048];
      while (request.find("\r\n\r\n") == std::string::npos) {
        ssize_t n = ::recv(client, buf, sizeof buf, 0);
        if (n <= 0) break;
        request.append(buf, static_cast<size_t>(n));
      }
      ++requests_;
      auto sp1 = request.find(' ');
      auto sp2 = request.find(' ', sp1 + 1);
      std::string path = sp1 == std::string::npos ? "" : request.substr(sp1 + 1, sp2 - sp1 - 1);
      auto acc = request.find("Accept: ");
      if (acc != std::string::npos)
        lastAccept_ = request.substr(acc + 8, request.find("\r\n", acc) - acc - 8);
      const bool ok = okPaths_.count(path) > 0;
      const std::string body = ok ? "<html>ok</html>" : "<html>absent</html>";
      const std::string answer = std::string(ok ? "HTTP/1.1 200 OK" : "HTTP/1.1 404 Not Found") +
                                 "\r\nContent-Type: text/html\r\nContent-Length: " +
                                 std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" +
                                 body;
      ::send(client, answer.data(), answer.size(), MSG_NOSIGNAL);
      ::close(client);
    }
  }

  std::set<std::string> okPaths_;
  int fd_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<int> requests_{0};
  std::string lastAccept_;
  std::thread thread_;
};

}  // namespace ked::test
