#include <gtest/gtest.h>
#include <httplib.h>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <thread>
#include "platform/Cp1252.h"
#include "settings/IniFile.h"
#include "support/LocalHttpServer.h"
#include "support/TestDoubles.h"
#include "web/Web.h"

namespace bw {
namespace {

// The real client against a real server on 127.0.0.1.
class WebTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto& s = server.server();
    s.Get("/big", [this](const httplib::Request& req, httplib::Response& res) {
      agent = req.get_header_value("User-Agent");
      res.set_content(bigPage(), "text/html");
    });
    s.Get("/empty", [](const httplib::Request&, httplib::Response& res) { res.set_content("", "text/html"); });
    s.Get("/ansi", [](const httplib::Request&, httplib::Response& res) {
      res.set_content(std::string("caf\xe9 \x80 5"), "text/html");
    });
    s.Get("/old", [](const httplib::Request&, httplib::Response& res) { res.set_redirect("/new"); });
    s.Get("/new", [](const httplib::Request&, httplib::Response& res) { res.set_content("moved here", "text/plain"); });
    s.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
      res.status = 404;
      res.set_content("Not Found page", "text/html");
    });
    s.Get("/slow", [](const httplib::Request&, httplib::Response& res) {
      std::this_thread::sleep_for(std::chrono::milliseconds(150));
      res.set_content("late", "text/plain");
    });
    s.Get("/sounds/alert.wav", [this](const httplib::Request& req, httplib::Response& res) {
      agent = req.get_header_value("User-Agent");
      res.set_content(std::string(10240, '\x01'), "audio/wav");
    });
    auto post = [this](const httplib::Request& req, httplib::Response& res) {
      posted = req;
      res.set_content("posted " + req.body, "text/html");
    };
    s.Post("/aw-cgi/x", post);
    s.Post("/", post);
    server.start();
    Services real = services();
    real.http = &client;
    scope = std::make_unique<ScopedServices>(real);
  }

  static std::string bigPage() {
    std::string page;
    for (int i = 0; page.size() < 10000; ++i) page += "line " + std::to_string(i) + "\r\n";
    return page;
  }
  QString url(const char* path) const { return QString::fromStdString(server.base()) + path; }
  QString deadUrl() const { return QStringLiteral("http://127.0.0.1:1/x"); }

  test::TestEnvironment env;
  test::LocalHttpServer server;
  CurlHttpClient client;
  std::unique_ptr<ScopedServices> scope;
  std::string agent;
  httplib::Request posted;
};

TEST_F(WebTest, GetHTMLReadsThePageWhole) {
  const QString page = GetHTML(url("/big"));
  EXPECT_EQ(page.toStdString(), bigPage());
  EXPECT_EQ(agent, "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)");
  EXPECT_TRUE(env.logLines().isEmpty());
}

TEST_F(WebTest, GetHTMLReadsWindows1252) { EXPECT_EQ(GetHTML(url("/ansi")), QString("caf\u00e9 \u20ac 5")); }

TEST_F(WebTest, GetHTMLFollowsRedirectsAndHandsBackErrorPages) {
  EXPECT_EQ(GetHTML(url("/old")), "moved here");
  EXPECT_EQ(GetHTML(url("/missing")), "Not Found page");
}

TEST_F(WebTest, ZeroLengthAnswerIsEmptyWithoutALogLine) {
  EXPECT_EQ(GetHTML(url("/empty")), "");
  EXPECT_TRUE(env.logLines().isEmpty());
}

TEST_F(WebTest, UnopenableAddressGivesEmptyAndOneLogLine) {
  EXPECT_EQ(GetHTML(deadUrl()), "");
  const QStringList lines = env.logLines();
  ASSERT_EQ(lines.size(), 1);
  EXPECT_TRUE(lines[0].contains("(modMain.GetHTML)"));
  EXPECT_EQ(lines[0].mid(52), "Failed to open URL. Internet connection may be down.");
}

TEST_F(WebTest, OnlyWebAddressesAreFetched) {
  QFile secret(env.dataFolder() + "secret.txt");
  ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
  secret.write("do not read");
  secret.close();
  EXPECT_EQ(GetHTML("file://" + env.dataFolder() + "secret.txt"), "");
  EXPECT_EQ(env.logMessages(), QStringList{"Failed to open URL. Internet connection may be down."});
}

TEST_F(WebTest, HttpPostSendsAnHttp10FormPost) {
  const QString answer = HttpPost(url("/aw-cgi/x").replace("http://", "HTTP://"), "a=1&b=x%26y");
  EXPECT_EQ(answer, "posted a=1&b=x%26y");
  EXPECT_EQ(posted.method, "POST");
  EXPECT_EQ(posted.version, "HTTP/1.0");
  EXPECT_EQ(posted.path, "/aw-cgi/x");
  EXPECT_EQ(posted.get_header_value("Content-Type"), "application/x-www-form-urlencoded");
  EXPECT_EQ(posted.get_header_value("User-Agent"), "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)");
}

TEST_F(WebTest, HttpPostToABareHostPostsToTheRoot) {
  const QString bare = QString::fromStdString(server.base()).mid(7);  // "127.0.0.1:port"
  EXPECT_EQ(HttpPost(bare, "k=v"), "posted k=v");
  EXPECT_EQ(posted.path, "/");
}

TEST_F(WebTest, HttpPostWithNoAnswerIsEmpty) { EXPECT_EQ(HttpPost(deadUrl(), "k=v"), ""); }

TEST_F(WebTest, WaiterRunsWhileATransferIsUnderWay) {
  struct Counter : ITransferWaiter {
    int calls = 0;
    void whileWaiting() override { ++calls; }
  } counter;
  client.setWaiter(&counter);
  EXPECT_EQ(GetHTML(url("/slow")), "late");
  EXPECT_GT(counter.calls, 1);
  client.setWaiter(nullptr);
}

TEST_F(WebTest, DownloadBinaryWritesTheFileIntoTheDataFolder) {
  QFile ini(iniFilePath());
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("[URLs]\r\nWave= " + url("/sounds/").toUtf8() + " \r\n");
  ini.close();
  DownloadBinary("alert.wav");
  QFile wav(env.dataFolder() + "alert.wav");
  ASSERT_TRUE(wav.open(QIODevice::ReadOnly));
  EXPECT_EQ(wav.readAll(), QByteArray(10240, '\x01'));
  EXPECT_EQ(agent, "BidWarden");
  EXPECT_EQ(env.logMessages(), (QStringList{"Preparing to download alert.wav", "Finished downloading alert.wav",
                                            "Total bytes downloaded: 10,240"}));
}

TEST_F(WebTest, DownloadBinaryCreatesNoFileWhenTheAddressFails) {
  QFile ini(iniFilePath());
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("[URLs]\r\nWave=http://127.0.0.1:1/\r\n");
  ini.close();
  DownloadBinary("woohoo.wav");
  EXPECT_FALSE(QFileInfo::exists(env.dataFolder() + "woohoo.wav"));
  EXPECT_EQ(env.logMessages(), QStringList{"An error occurred calling InternetOpenUrl function"});
}

// What goes to the client, seen through the double.
TEST(HttpPostAddress, KeepsTheSchemeAndNeverDowngradesHttps) {
  struct Case {
    const char* url;
    long port;
    const char* sentUrl;
    long sentPort;
  } cases[] = {
      {"HTTPS://bid.example/aw-cgi/x", 80, "https://bid.example/aw-cgi/x", 0},
      {"https://bid.example:8443/aw-cgi/x", 80, "https://bid.example:8443/aw-cgi/x", 0},
      {"  http://bid.example/aw-cgi/x ", 80, "http://bid.example/aw-cgi/x", 80},
      {"Http://bid.example", 80, "http://bid.example/", 80},
      {"bid.example/p?q=1", 80, "http://bid.example/p?q=1", 80},
      {"http://bid.example/x", 8080, "http://bid.example/x", 8080},
  };
  for (const Case& c : cases) {
    test::TestEnvironment env;
    env.http.enqueueBody("ok");
    EXPECT_EQ(HttpPost(c.url, "a=b", 0, c.port), "ok");
    ASSERT_EQ(env.http.requests().size(), 1u);
    const HttpRequest& sent = env.http.requests()[0];
    EXPECT_EQ(sent.url, c.sentUrl) << c.url;
    EXPECT_EQ(sent.port, c.sentPort) << c.url;
    EXPECT_TRUE(sent.http10);
    EXPECT_EQ(sent.body, "a=b");
  }
}

TEST(CleanHTML, LineBreaksBecomeSingleSpaces) {
  const std::pair<QString, QString> cases[] = {
      {"a \r\nb\nc", "a b c"},
      {"a\r\n\r\nb", "a  b"},
      {"a  \nb", "a  b"},
      {"a\rb", "a\rb"},
      {"Time\r\nleft", "Time left"},
      {"", ""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(CleanHTML(in), out) << in.toStdString();
}

TEST(UrlEncode, FormValues) {
  const std::pair<QString, QString> cases[] = {
      {"a b&c", "a+b%26c"},
      {"AZaz09-*@_.", "AZaz09-*@_."},
      {"100%+1", "100%25%2B1"},
      {"p\u00e4ss\u20ac", "p%E4ss%80"},
      {"\n/=?", "%0A%2F%3D%3F"},
      {"", ""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(UrlEncode(in), out) << in.toStdString();
}

}  // namespace
}  // namespace bw
