#pragma once

#include <string>
#include <utility>

// Whether a file was written, and if not, why, in words fit to show the user.
class WriteOutcome {
  public:
    static WriteOutcome Written() { return WriteOutcome(std::string()); }
    static WriteOutcome Refused(std::string why) {
        return WriteOutcome(why.empty() ? std::string("unknown error") : std::move(why));
    }

    explicit operator bool() const { return problem_.empty(); }
    const std::string& Problem() const { return problem_; }

  private:
    explicit WriteOutcome(std::string problem) : problem_(std::move(problem)) {}
    std::string problem_;
};
