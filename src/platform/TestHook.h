#pragma once

#include "platform/TestMode.h"

#include <QString>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace markroll {

// The test hook of one platform service, so that window tests never block on a modal box:
// - answers a test scripts in advance, given out in order instead of showing the service;
// - a record of every request the service was given (its texts, options or initial values), which a test reads
//   back; std::monostate as Request when counting the requests is all a test needs.
// Each service holds one as a constinit static: nothing is allocated until a test scripts or a request comes,
// so the hook is ready even for another static's constructor.
template <typename Answer, typename Request = std::monostate> class TestHook {
public:
    void Script(Answer answer) { m_answers.push_back(std::move(answer)); }

    /// The next scripted answer, used up; nullopt when none is left.
    std::optional<Answer> TakeNext() {
        if (m_answers.empty()) {
            return std::nullopt;
        }
        std::optional<Answer> answer(std::move(m_answers.front()));
        m_answers.erase(m_answers.begin());
        return answer;
    }

    /// What to give back without showing anything: the next scripted answer or, in test mode with none scripted,
    /// `cancelled`, after telling the tester which service lacked an answer. nullopt: show the real service.
    std::optional<Answer> Answered(const char* service, const QString& title, const Answer& cancelled) {
        if (std::optional<Answer> answer = TakeNext()) {
            return answer;
        }
        if (InTestMode()) {
            WarnUnscripted(service, title);
            return std::make_optional<Answer>(cancelled);
        }
        return std::nullopt;
    }

    void Record(Request request) { m_requests.push_back(std::move(request)); }
    const std::vector<Request>& Requests() const { return m_requests; }
    /// The latest request; a default one before the first.
    Request Last() const { return m_requests.empty() ? Request{} : m_requests.back(); }
    int TimesAsked() const { return static_cast<int>(m_requests.size()); }
    int PendingAnswers() const { return static_cast<int>(m_answers.size()); }
    void ClearRequests() { m_requests.clear(); }
    void ClearAnswers() { m_answers.clear(); }

private:
    // A vector rather than a deque: its constructor allocates nothing, which constinit needs. The queue is short.
    std::vector<Answer> m_answers;
    std::vector<Request> m_requests;
};

} // namespace markroll
