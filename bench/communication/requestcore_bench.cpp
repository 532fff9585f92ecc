// Round trip of one send-result request through the library, next to a raw
// TCP ping-pong of the same frame sizes on loopback in the same run.
#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "communication/robotcontrolservices.h"
#include "robotcommunication.pb.h"

#include "common/loopbackwire.h"

namespace {

using namespace benchwire;

// Answers every frame at once with a common result of the same command type.
class EchoPeer {
public:
    EchoPeer()
    {
        m_listen = listenLoopback(m_port);
        zarn::robot::communication::ProtoRobotCommonResponse ok;
        ok.set_errorcode(0);
        ok.set_errormsg("");
        m_answer = ok.SerializeAsString();
        m_thread = std::thread([this] { serve(); });
    }
    ~EchoPeer()
    {
        shutdown(m_listen, SHUT_RDWR);
        close(m_listen);
        if (m_thread.joinable()) m_thread.join();
    }
    int port() const { return m_port; }
    const std::string& answer() const { return m_answer; }

private:
    void serve()
    {
        int fd = accept(m_listen, nullptr, nullptr);
        if (fd < 0) return;
        int one = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof(one));
        char head[12];
        std::vector<char> rest;
        while (readExact(fd, head, 12)) {
            uint32_t length;
            int32_t type;
            std::memcpy(&length, head + 4, 4);
            std::memcpy(&type, head + 8, 4);
            rest.resize(length - 4);
            if (!readExact(fd, rest.data(), rest.size())) break;
            if (!writeAll(fd, frame(type, m_answer))) break;
        }
        close(fd);
    }

    int m_listen = -1;
    int m_port = 0;
    std::string m_answer;
    std::thread m_thread;
};

void BM_LibraryHeartbeatRoundTrip(benchmark::State& state)
{
    EchoPeer peer;
    RobotControlServices link;
    link.setServerIP("127.0.0.1");
    link.setServerPort(peer.port());
    if (link.connectRobotServer() != 0) {
        state.SkipWithError("connect failed");
        return;
    }
    for (auto _ : state) {
        if (link.heartbeatService() != 0) {
            state.SkipWithError("request failed");
            break;
        }
    }
    link.disconnectRobotServer();
}
BENCHMARK(BM_LibraryHeartbeatRoundTrip)->UseRealTime();

void BM_RawSocketPingPong(benchmark::State& state)
{
    EchoPeer peer;
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(peer.port()));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0) {
        state.SkipWithError("connect failed");
        return;
    }
    const std::string request = frame(115, "");
    std::vector<char> reply(frame(115, peer.answer()).size());
    for (auto _ : state) {
        if (!writeAll(fd, request) || !readExact(fd, reply.data(), reply.size())) {
            state.SkipWithError("ping-pong failed");
            break;
        }
    }
    close(fd);
}
BENCHMARK(BM_RawSocketPingPong)->UseRealTime();

// Prints the usual table, then the two medians and the library's overhead ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char** argv)
{
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=9";
    bool hasRepetitions = false;
    for (char* a : args) hasRepetitions |= std::strncmp(a, "--benchmark_repetitions", 23) == 0;
    if (!hasRepetitions) args.push_back(&repetitions[0]);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double library = reporter.medians["BM_LibraryHeartbeatRoundTrip"];
    const double raw = reporter.medians["BM_RawSocketPingPong"];
    if (library > 0 && raw > 0)
        std::printf("median round trip: library %.0f ns, raw socket %.0f ns, ratio %.2f (goal <= 2.00)\n", library, raw,
                    library / raw);
    benchmark::Shutdown();
    return 0;
}
