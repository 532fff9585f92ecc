// Real-time pushes through the whole stack: a local peer streams joint-status
// pushes as fast as loopback allows, the application's callback counts them.
// Also measures what an idle, connected facade costs.
#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"
#include "serviceinterface.h"

namespace zr = zarn_robot_namespace;

#include "common/loopbackwire.h"

namespace {

using namespace benchwire;

std::string commonOk()
{
    zarn::robot::communication::ProtoRobotCommonResponse ok;
    ok.set_errorcode(0);
    ok.set_errormsg("");
    return ok.SerializeAsString();
}

std::string loginAnswer()
{
    zarn::robot::common::ProtoResponseRobotDhParam msg;
    msg.set_robottype(0);
    auto* dh = msg.mutable_dhparam();
    dh->set_a3(0.408);
    dh->set_a4(0.376);
    dh->set_d1(0.0985);
    dh->set_d2(0.1215);
    dh->set_d5(0.1025);
    dh->set_d6(0.094);
    auto* err = msg.mutable_errorinfo();
    err->set_errorcode(0);
    err->set_errormsg("");
    return msg.SerializeAsString();
}

std::string flagAnswer()
{
    zarn::robot::communication::ProtoCommunicationGeneralData msg;
    msg.set_type(1);
    msg.add_property2(false);
    auto* err = msg.add_errorinfo();
    err->set_errorcode(0);
    err->set_errormsg("");
    return msg.SerializeAsString();
}

std::string jointStatusPush()
{
    zarn::robot::common::ProtoRobotAllJointStatusResponse msg;
    msg.set_jointcount(6);
    for (int i = 0; i < 6; ++i) {
        auto* s = msg.add_jointstatus();
        s->set_jointcurrenti(100 + i);
        s->set_jointspeedmoto(10);
        s->set_jointposj(0.5f);
        s->set_jointcurvol(48.0f);
        s->set_jointcurtemp(35.0f);
        s->set_jointtagcurrenti(100);
        s->set_jointtagspeedmoto(10.0f);
        s->set_jointtagposj(0.5f);
        s->set_jointerrornum(0);
    }
    auto* err = msg.add_errorinfo();
    err->set_errorcode(0);
    err->set_errormsg("");
    return frame(3, msg.SerializeAsString());
}

// Answers the requests of login and the push switch, then streams on demand.
class StreamingPeer {
public:
    StreamingPeer()
    {
        m_listen = listenLoopback(m_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~StreamingPeer()
    {
        shutdown(m_listen, SHUT_RDWR);
        close(m_listen);
        if (m_client >= 0) shutdown(m_client, SHUT_RDWR);
        if (m_thread.joinable()) m_thread.join();
        if (m_client >= 0) close(m_client);
    }
    int port() const { return m_port; }

    // Writes `count` joint-status pushes back to back.
    bool stream(int count)
    {
        static const std::string one = jointStatusPush();
        std::string batch;
        for (int i = 0; i < 256; ++i) batch += one;
        std::lock_guard<std::mutex> lock(m_writeMutex);
        for (int sent = 0; sent < count; sent += 256) {
            const int n = std::min(256, count - sent);
            if (!writeAll(m_client, n == 256 ? batch : batch.substr(0, one.size() * n))) return false;
        }
        return true;
    }

private:
    void serve()
    {
        m_client = accept(m_listen, nullptr, nullptr);
        if (m_client < 0) return;
        char head[12];
        std::vector<char> rest;
        for (;;) {
            if (recv(m_client, head, 12, MSG_WAITALL) != 12) return;
            uint32_t length;
            int32_t type;
            std::memcpy(&length, head + 4, 4);
            std::memcpy(&type, head + 8, 4);
            rest.resize(length - 4);
            if (!rest.empty() && recv(m_client, rest.data(), rest.size(), MSG_WAITALL) != static_cast<ssize_t>(rest.size()))
                return;
            std::string answer = type == 0 ? loginAnswer() : (type == 87 || type == 125) ? flagAnswer() : commonOk();
            std::lock_guard<std::mutex> lock(m_writeMutex);
            if (!writeAll(m_client, frame(type, answer))) return;
        }
    }

    int m_listen = -1;
    int m_client = -1;
    int m_port = 0;
    std::mutex m_writeMutex;
    std::thread m_thread;
};

struct Counter {
    std::atomic<long> pushes{0};
    std::atomic<long> target{0};
    std::mutex mutex;
    std::condition_variable done;
    timespec cpuStart{};
    timespec cpuEnd{};
};

double seconds(const timespec& t)
{
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void onJointStatus(const zr::JointStatus*, int, void* arg)
{
    auto* c = static_cast<Counter*>(arg);
    const long n = ++c->pushes;
    // The callback runs on the receive thread: its CPU clock is that thread's.
    if (n == 1) clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c->cpuStart);
    if (n == c->target.load()) {
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c->cpuEnd);
        std::lock_guard<std::mutex> lock(c->mutex);
        c->done.notify_all();
    }
}

void BM_JointStatusPushDelivery(benchmark::State& state)
{
    const int perIteration = static_cast<int>(state.range(0));
    StreamingPeer peer;
    ServiceInterface robot;
    if (robot.robotServiceLogin("127.0.0.1", peer.port(), "user", "pw") != 0) {
        state.SkipWithError("login failed");
        return;
    }
    Counter counter;
    robot.robotServiceRegisterLogPrintCallback(
        [](zr::LOG_LEVEL level, const char* text, void*) {
            if (level >= zr::LOG_LEVEL_WARNING) std::fprintf(stderr, "log %d: %s\n", level, text);
        },
        nullptr);
    robot.robotServiceRegisterRealTimeJointStatusCallback(onJointStatus, &counter);
    double cpu = 0;
    long delivered = 0;
    for (auto _ : state) {
        counter.pushes = 0;
        counter.target = perIteration;
        if (!peer.stream(perIteration)) {
            state.SkipWithError("stream failed");
            break;
        }
        std::unique_lock<std::mutex> lock(counter.mutex);
        if (!counter.done.wait_for(lock, std::chrono::seconds(30),
                                   [&] { return counter.pushes.load() >= perIteration; })) {
            state.SkipWithError(("pushes lost: delivered " + std::to_string(counter.pushes.load())).c_str());
            break;
        }
        cpu += seconds(counter.cpuEnd) - seconds(counter.cpuStart);
        delivered += counter.pushes.load();
    }
    state.SetItemsProcessed(delivered);
    state.counters["receive_cpu_ns_per_push"] = delivered > 0 ? cpu * 1e9 / static_cast<double>(delivered) : 0;
    robot.robotServiceRegisterRealTimeJointStatusCallback(nullptr, nullptr);
    robot.robotServiceLogout();
}
BENCHMARK(BM_JointStatusPushDelivery)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return seconds({usage.ru_utime.tv_sec, usage.ru_utime.tv_usec * 1000}) +
           seconds({usage.ru_stime.tv_sec, usage.ru_stime.tv_usec * 1000});
}

void BM_IdleConnectedFacade(benchmark::State& state)
{
    StreamingPeer peer;
    ServiceInterface robot;
    if (robot.robotServiceLogin("127.0.0.1", peer.port(), "user", "pw") != 0) {
        state.SkipWithError("login failed");
        return;
    }
    for (auto _ : state) {
        const double before = processCpuSeconds();
        std::this_thread::sleep_for(std::chrono::seconds(10));
        state.counters["idle_cpu_percent"] = (processCpuSeconds() - before) / 10.0 * 100.0;
    }
    robot.robotServiceLogout();
}
BENCHMARK(BM_IdleConnectedFacade)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
