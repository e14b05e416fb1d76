#pragma once

#include <string>
#include <vector>

// What tests/data/spring_2002_three_sports.dat holds (LF line ends there):
// three sports, one route, two keywords and six entries in March and April
// 2002, among them a race and texts with &, <, > and ".
inline constexpr const char* kSpringLog = "spring_2002_three_sports.dat";

inline const std::vector<std::string> kSpringHeader = {
    "Sports List: 3",
    "Running\tRMmpm",
    "Cycling\tCKkph",
    "Swimming\tSY   ",
    "Preferences: 1  1  1  1  1  1  0",
    "Routes: 1",
    "Hill loop\tTR\t5M\t40:00\t8:00\tHill loop\tsteady\t",
    "Keywords: 2",
    "3\tShoe\tShoes worn",
    "1\tWt\tWeight",
};

inline const std::string kMarch1 = "03/01/02\tTR\t5.2M\t45:30\t8:45\tRiver loop\tEasy day";
inline const std::string kMarch14Bike = "03/14/02\tIC\t20K\t40:00\t30.0\tTrack 6x1k\tWindy";
inline const std::string kMarch14Swim = "03/14/02\tTS\t1500Y\t30:00\t\tPool\t";
inline const std::string kMarch28Race = "03/28/02\tRR\t10K\t44:10\t7:07\tSpring 10K & relay\t\"PR\" <finally>";
inline const std::string kApril2 = "04/02/02\tTR\t3M\t27:00\t9:00\tEasy loop\tShoe=Blue";
inline const std::string kApril15 = "04/15/02\tTC\t~12.5K\t~30:00\t25.0\t\t";

inline const std::vector<std::string> kSpringEntries = {kMarch1,      kMarch14Bike, kMarch14Swim,
                                                        kMarch28Race, kApril2,      kApril15};
