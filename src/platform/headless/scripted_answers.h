// What a test lines up for the boxes and dialogs a program opens: scripted answers first, in
// order, then the responder's, then the caller's fallback.
#pragma once

#include <deque>
#include <functional>
#include <vector>

namespace headless {

template <typename Answer, typename Call>
class ScriptedAnswers {
 public:
  void Script(const std::vector<Answer>& answers) {
    queue_.insert(queue_.end(), answers.begin(), answers.end());
  }
  void SetResponder(std::function<Answer(const Call&)> responder) {
    responder_ = std::move(responder);
  }

  Answer Next(const Call& call, Answer fallback) {
    if (!queue_.empty()) {
      const Answer answer = queue_.front();
      queue_.pop_front();
      return answer;
    }
    if (!responder_) return fallback;
    // A copy: the responder may replace itself or open boxes of its own.
    auto responder = responder_;
    return responder(call);
  }

 private:
  std::deque<Answer> queue_;
  std::function<Answer(const Call&)> responder_;
};

}  // namespace headless
