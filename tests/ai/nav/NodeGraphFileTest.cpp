#include <gtest/gtest.h>

#include <clocale>

#include "ai/nav/NodeGraphFile.h"

// The node-graph file: the written bytes, and every fault a file can hold refused by name.
namespace {

std::vector<AINode> ThreeNodes() {
  std::vector<AINode> nodes(3);
  for (int32_t i = 0; i < 3; ++i) nodes[size_t(i)].id = i;
  nodes[1].isSuperNode = 1;
  nodes[1].position = {1, 2, 3};
  nodes[1].neighbours = {0, 2};
  nodes[0].position = {-0.5f, 1e6f, 7.25f};
  nodes[0].neighbours = {1};
  return nodes;
}

TEST(NodeGraphFileTest, TheFileIsNamedAfterTheMapLessItsLastThreeCharacters) {
  EXPECT_EQ(NodeGraphFileName("foyer2.bsp"), "Maps/foyer2.ngd");
  EXPECT_EQ(NodeGraphFileName("odd.map1"), "Maps/odd.mngd");
  EXPECT_EQ(NodeGraphFileName("bsp"), "Maps/ngd");
  EXPECT_EQ(NodeGraphFileName("ab"), std::nullopt);
}

TEST(NodeGraphFileTest, NodesAreWrittenAsTheFormatSaysInAnyLocaleAndReadBack) {
  const char* const expected =
      "3\n"
      "0\t0\t0\n-0.500000 1000000.000000 7.250000\n0\t1\t 1\n"
      "0\t1\t0\n1.000000 2.000000 3.000000\n1\t2\t 0 2\n"
      "0\t0\t0\n0.000000 0.000000 0.000000\n2\t0\t\n";
  EXPECT_EQ(NodeGraphText(ThreeNodes(), 0, 3), expected);
  // A decimal comma changes nothing written or read.
  if (std::setlocale(LC_ALL, "de_DE.UTF-8")) {
    EXPECT_EQ(NodeGraphText(ThreeNodes(), 0, 3), expected);
    EXPECT_FLOAT_EQ(ParseNodeGraph(expected, 0).nodes.at(0).position.x, -0.5f);
    std::setlocale(LC_ALL, "C");
  }
  const NodeGraphParse read = ParseNodeGraph(expected, 2);
  ASSERT_EQ(read.error, "");
  ASSERT_EQ(read.nodes.size(), 3u);
  EXPECT_EQ(read.nodes[1].neighbours, (std::vector<int32_t>{0, 2}));
  EXPECT_TRUE(read.nodes[1].isSuperNode);
  EXPECT_EQ(read.nodes[1].mapIndex, 2);
  EXPECT_EQ(read.nodes[0].position.y, 1e6f);
  // Line ends from Windows read the same; an empty graph is a graph.
  std::string crlf;
  for (const char c : std::string(expected)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(ParseNodeGraph(crlf, 0).nodes.size(), 3u);
  const NodeGraphParse empty = ParseNodeGraph("0\n", 0);
  EXPECT_EQ(empty.error, "");
  EXPECT_TRUE(empty.nodes.empty());
}

TEST(NodeGraphFileTest, CountsIdsAndCutsThatTheFileCannotHoldAreRefused) {
  const std::string whole = NodeGraphText(ThreeNodes(), 0, 3);
  struct Case {
    std::string text, error;
  };
  const std::vector<Case> cases = {
      {"-1\n", "a node count of -1 does not fit the file"},
      {"1000000000\n0\t0\t0\n", "a node count of 1000000000 does not fit the file"},
      {"", "the node count is missing or not a number"},
      {"three\n", "the node count is missing or not a number"},
      {"1\n0 0 0\n1 2 3\n0 2 0 0\n", "node 0: its link count is not between 0 and the node count"},
      {"1\n0 0 0\n1 2 3\n0 1 1\n", "node 0: a link is cut short or names no node of the file"},
      {"1\n0 0 0\n1 2 3\n0 1 -1\n", "node 0: a link is cut short or names no node of the file"},
      {"2\n0 0 0\n1 2 3\n1 0\n0 0 0\n1 2 3\n0 0\n", "node 0: its id is not its position in the file"},
      {"1\n0 0 0\n1 nan 3\n0 0\n", "node 0: its position is cut short or not three finite numbers"},
      {"1\n0 zero 0\n1 2 3\n0 0\n", "node 0: its flags are cut short or not numbers"},
      {whole.substr(0, whole.size() - 6), "node 2: its id is not its position in the file"},
      {whole.substr(0, whole.size() - 3), "node 2: its link count is not between 0 and the node count"},
      {whole.substr(0, whole.size() - 15), "node 2: its position is cut short or not three finite numbers"},
      {whole + "0\n", "text follows the last node"},
      {"1\n0 0 0\n1 1e30 3\n0 0\n", "node 0: its position lies beyond any map"},
      {"1\n0 0 0\n1 2 -1000001\n0 0\n", "node 0: its position lies beyond any map"},
      {"2\n0 0 0\n1 2 3\n0 1 1\n0 0 0\n1 2 3\n1 1 1\n", "node 1: it is linked to itself"},
  };
  for (const Case& c : cases) {
    const NodeGraphParse read = ParseNodeGraph(c.text, 0);
    EXPECT_EQ(read.error, c.error) << c.text;
    EXPECT_TRUE(read.nodes.empty());
  }
}

}  // namespace
