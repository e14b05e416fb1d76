// Writes the FIT test files with the official FIT SDK's Encoder:
//   cd tests/data/fit && npm install && node make-fit-files.mjs
// The files it writes are kept in the repository, so that building and
// testing never need npm.
import { Encoder, Profile, Utils } from "@garmin/fitsdk";
import * as fs from "fs";

const FIT_EPOCH_S = Utils.FIT_EPOCH_MS / 1000;

function fitSeconds(date) {
    return Math.round(date.getTime() / 1000 - FIT_EPOCH_S);
}

// One activity: a session per leg, each with a lap and a few records; the
// activity message carries the watch's local time when offsetHours is given.
function activity({ start, legs, offsetHours = null, workoutName = null, fieldDescriptions = null,
                    developerValue = null }) {
    const encoder = new Encoder(fieldDescriptions ? { fieldDescriptions } : {});
    encoder.onMesg(Profile.MesgNum.FILE_ID, {
        type: "activity", manufacturer: "development", product: 1, serialNumber: 12345, timeCreated: start,
    });
    if (fieldDescriptions) {
        for (const { developerDataIdMesg, fieldDescriptionMesg } of Object.values(fieldDescriptions)) {
            encoder.onMesg(Profile.MesgNum.DEVELOPER_DATA_ID, developerDataIdMesg);
            encoder.onMesg(Profile.MesgNum.FIELD_DESCRIPTION, fieldDescriptionMesg);
        }
    }
    if (workoutName) {
        encoder.onMesg(Profile.MesgNum.WORKOUT, { wktName: workoutName, sport: legs[0].sport, numValidSteps: 1 });
    }
    encoder.onMesg(Profile.MesgNum.EVENT, { timestamp: start, event: "timer", eventType: "start" });
    let at = new Date(start);
    let totalTimer = 0;
    legs.forEach((leg, index) => {
        const legStart = new Date(at);
        const elapsed = leg.elapsed ?? leg.timer;
        const end = new Date(legStart.getTime() + elapsed * 1000);
        for (let i = 0; i <= 4; i++) {
            const record = {
                timestamp: new Date(legStart.getTime() + (elapsed * 1000 * i) / 4),
                distance: (leg.distance * i) / 4,
                heartRate: 140 + i,
            };
            if (developerValue !== null) record.developerFields = { 0: developerValue + i };
            encoder.onMesg(Profile.MesgNum.RECORD, record);
        }
        encoder.onMesg(Profile.MesgNum.LAP, {
            messageIndex: index, timestamp: end, startTime: legStart, totalElapsedTime: elapsed,
            totalTimerTime: leg.timer, totalDistance: leg.distance, sport: leg.sport, event: "lap", eventType: "stop",
        });
        const session = {
            messageIndex: index, timestamp: end, startTime: legStart, totalElapsedTime: elapsed,
            totalTimerTime: leg.timer, sport: leg.sport, subSport: leg.subSport ?? "generic",
            firstLapIndex: index, numLaps: 1, event: "session", eventType: "stop",
        };
        if (leg.distance !== null) session.totalDistance = leg.distance;
        if (developerValue !== null) session.developerFields = { 0: developerValue };
        encoder.onMesg(Profile.MesgNum.SESSION, session);
        totalTimer += leg.timer;
        at = end;
    });
    encoder.onMesg(Profile.MesgNum.EVENT, { timestamp: at, event: "timer", eventType: "stopAll" });
    const activityMesg = {
        timestamp: at, totalTimerTime: totalTimer, numSessions: legs.length, type: "manual", event: "activity",
        eventType: "stop",
    };
    if (offsetHours !== null) activityMesg.localTimestamp = fitSeconds(at) + offsetHours * 3600;
    encoder.onMesg(Profile.MesgNum.ACTIVITY, activityMesg);
    return encoder.close();
}

function write(name, bytes) {
    fs.writeFileSync(name, bytes);
    console.log(`${name}: ${bytes.length} bytes`);
}

// A run on a Saturday morning in Berlin: 5 km in 25:03 of timer time.
const run = activity({
    start: new Date("2024-03-02T07:00:00Z"), offsetHours: 1, workoutName: "Tempo Run",
    legs: [{ sport: "running", timer: 1503, elapsed: 1530, distance: 5000 }],
});
write("run_5k_berlin.fit", run);

write("cycling_40k.fit", activity({
    start: new Date("2024-03-03T09:15:00Z"), offsetHours: 1,
    legs: [{ sport: "cycling", subSport: "road", timer: 3727.4, distance: 40250.5 }],
}));
write("pool_swim_1500m.fit", activity({
    start: new Date("2024-03-04T17:30:00Z"), offsetHours: 1,
    legs: [{ sport: "swimming", subSport: "lapSwimming", timer: 1830, distance: 1500 }],
}));
write("walk_no_distance.fit", activity({
    start: new Date("2024-03-05T12:00:00Z"), offsetHours: 1,
    legs: [{ sport: "walking", timer: 2400, distance: null }],
}));
// Late in the evening in New York: the local date is a day before the UTC one.
write("run_new_york_evening.fit", activity({
    start: new Date("2024-03-07T02:30:00Z"), offsetHours: -5,
    legs: [{ sport: "running", timer: 3727, distance: 10000 }],
}));
// No local time in the file: the date follows the environment's time zone.
write("run_without_local_time.fit", activity({
    start: new Date("2024-03-08T23:30:00Z"),
    legs: [{ sport: "running", timer: 1800, distance: 6000 }],
}));
write("triathlon_multisport.fit", activity({
    start: new Date("2024-06-15T06:00:00Z"), offsetHours: 2,
    legs: [
        { sport: "swimming", subSport: "openWater", timer: 1520, distance: 1500 },
        { sport: "transition", timer: 180, distance: 200 },
        { sport: "cycling", timer: 4210, distance: 40000 },
        { sport: "transition", timer: 95, distance: 100 },
        { sport: "running", timer: 2580, distance: 10000 },
    ],
}));

const developerDataIdMesg = {
    developerId: Array(16).fill(0xAB), applicationId: Array(16).fill(0x01), applicationVersion: 7,
    developerDataIndex: 0,
};
const fieldDescriptionMesg = {
    developerDataIndex: 0, fieldDefinitionNumber: 0, fitBaseTypeId: Profile.types.fitBaseType ? 132 : 132,
    fieldName: "Power Zone Index", units: "zone", nativeMesgNum: Profile.MesgNum.RECORD,
};
write("run_with_developer_fields.fit", activity({
    start: new Date("2024-03-09T08:00:00Z"), offsetHours: 1,
    fieldDescriptions: { 0: { developerDataIdMesg, fieldDescriptionMesg } }, developerValue: 300,
    legs: [{ sport: "running", timer: 2712, distance: 8000 }],
}));

// Broken copies of the run: cut off in the middle of its messages, and one
// byte of its data changed so that the checksum no longer matches.
write("truncated_run.fit", run.slice(0, Math.floor(run.length * 0.6)));
const damaged = Uint8Array.from(run);
damaged[Math.floor(run.length / 2)] ^= 0x5A;
write("bad_crc_run.fit", damaged);
