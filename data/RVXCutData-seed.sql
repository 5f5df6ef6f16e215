-- Starting data of the cutting-data database RVXCutData.db.
--
-- Arvex runs this script once, in one transaction, when the application
-- folder has no RVXCutData.db; an existing database is never touched. The
-- copy in the application folder is used when there is one (else the
-- bundled one): edit it there to give new databases your shop's own
-- starting data.
--
-- Units are inch: surface speed in feet per minute (SFM), feed in inches per
-- revolution (IPR; for taps and threads the feed is the pitch), diameters in
-- inches (the part diameter, or the tool diameter for drills, reamers, taps
-- and mills). Figures are starting points from general machining handbook
-- practice for carbide tooling on sliding-headstock lathes with flood
-- coolant; start at the low end and adjust to the machine, the setup and the
-- tool maker's data.
--
-- Operation types are worded so that the cutting data window finds them from
-- an operation's name: names with "turn", "face" or "groove" show every type
-- containing "turn"; "drill", "spot", "mill", "ream" and "center" show the
-- types containing that word. Tap and thread rows are chosen from the
-- operation-type list.

PRAGMA user_version = 1;

-- A group's number is its position in table order: GrpIndex is assigned
-- here in insertion order and groups are never deleted.
CREATE TABLE MaterialGrps (
  GrpIndex INTEGER PRIMARY KEY AUTOINCREMENT,
  GrpName  TEXT NOT NULL DEFAULT ''
);

CREATE TRIGGER MaterialGrps_NoDelete BEFORE DELETE ON MaterialGrps
BEGIN
  SELECT RAISE(ABORT, 'material groups are never deleted: materials and cutting data refer to them by position');
END;

CREATE TABLE Material (
  MatID    INTEGER PRIMARY KEY,
  MatName  TEXT NOT NULL DEFAULT '',
  GrpIndex INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX Material_GrpIndex ON Material (GrpIndex);

-- DepthofCut and ToolGrade are guidance texts (".030-.150", "Peck 1 x D",
-- "Carbide P25 CVD coated"); the six ranges are numbers or NULL (not given).
CREATE TABLE cutdat (
  ID         INTEGER PRIMARY KEY,
  GrpIndex   INTEGER NOT NULL DEFAULT 0,
  Operation  TEXT NOT NULL DEFAULT '',
  DepthofCut TEXT NOT NULL DEFAULT '',
  ToolGrade  TEXT NOT NULL DEFAULT '',
  FromSFM    REAL CHECK (FromSFM IS NULL OR typeof(FromSFM) = 'real'),
  ToSFM      REAL CHECK (ToSFM IS NULL OR typeof(ToSFM) = 'real'),
  FromIPR    REAL CHECK (FromIPR IS NULL OR typeof(FromIPR) = 'real'),
  ToIPR      REAL CHECK (ToIPR IS NULL OR typeof(ToIPR) = 'real'),
  FromDiam   REAL CHECK (FromDiam IS NULL OR typeof(FromDiam) = 'real'),
  ToDiam     REAL CHECK (ToDiam IS NULL OR typeof(ToDiam) = 'real')
);
CREATE INDEX cutdat_GrpIndex ON cutdat (GrpIndex);

-- Material groups, in the order of their numbers.
INSERT INTO MaterialGrps (GrpName) VALUES ('Free-Machining Steel');
INSERT INTO MaterialGrps (GrpName) VALUES ('Low-Carbon Steel');
INSERT INTO MaterialGrps (GrpName) VALUES ('Alloy Steel');
INSERT INTO MaterialGrps (GrpName) VALUES ('300 Series Stainless');
INSERT INTO MaterialGrps (GrpName) VALUES ('400 Series & PH Stainless');
INSERT INTO MaterialGrps (GrpName) VALUES ('Aluminum Alloys');
INSERT INTO MaterialGrps (GrpName) VALUES ('Brass');
INSERT INTO MaterialGrps (GrpName) VALUES ('Bronze');
INSERT INTO MaterialGrps (GrpName) VALUES ('Titanium');
INSERT INTO MaterialGrps (GrpName) VALUES ('Nickel & Cobalt Alloys');
INSERT INTO MaterialGrps (GrpName) VALUES ('Plastics');
INSERT INTO MaterialGrps (GrpName) VALUES ('Copper');

-- Materials by their usual designations.
INSERT INTO Material (MatName, GrpIndex) VALUES ('12L14', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('1215', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('1117', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('1144', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('11SMnPb30 (1.0718)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('1008', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('1018', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('1020', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('1026', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('1045', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('4140 Annealed', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('4140 Pre-Hard (28-32 HRC)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('41L40', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('4340', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('8620', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('303', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('304/304L', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('316/316L', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('316LVM (ASTM F138)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('321', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('410', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('416', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('420', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('440C', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('17-4 PH (H1150)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('15-5 PH', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('2011-T3', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('2024-T351', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('6061-T6', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('6262-T9', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('7075-T6', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('C36000 Free-Cutting Brass', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('C34500 Leaded Brass', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('C26000 Cartridge Brass', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('C48500 Leaded Naval Brass', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('C93200 Bearing Bronze', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('C54400 Phosphor Bronze', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('C51000 Phosphor Bronze', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('C95400 Aluminum Bronze', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('C63000 Nickel-Aluminum Bronze', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('CP Titanium (Grade 2)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('CP Titanium (Grade 4)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('Ti-6Al-4V (Grade 5)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('Ti-6Al-4V ELI (Grade 23)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('Alloy 600 (UNS N06600)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('Alloy 625 (UNS N06625)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('Alloy 718 (UNS N07718)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('Alloy C-276 (UNS N10276)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('CoCrMo (ASTM F1537)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('CoNiCrMo (ASTM F562)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('Acetal Copolymer (POM-C)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('Acetal Homopolymer (POM-H)', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('PEEK', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('PEI', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('Nylon 6/6', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('Polycarbonate', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('PTFE', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('UHMW-PE', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('C10100 OFE Copper', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('C11000 ETP Copper', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('C14500 Tellurium Copper', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('C17200 Beryllium Copper', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'));
INSERT INTO Material (MatName, GrpIndex) VALUES ('C18200 Chromium Copper', (SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'));

-- Cutting data: Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam.

-- Free-Machining Steel
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'), 'OD Turn Rough', '.030-.150', 'Carbide P25 CVD coated', 500, 900, 0.004, 0.01, 0.125, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'), 'OD Turn Finish', '.005-.020', 'Cermet P10', 600, 1100, 0.001, 0.004, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'), 'Face (Turn)', '.010-.060', 'Carbide P25 CVD coated', 500, 900, 0.002, 0.006, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'), 'Groove (Turn)', 'Plunge to depth, peck .010-.020', 'Carbide P30 PVD', 300, 600, 0.001, 0.003, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'), 'Cut-off (Turn)', 'Plunge, half feed near center', 'Carbide P30 PVD', 300, 550, 0.001, 0.003, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'), 'Center Drill', 'To chamfer diameter', 'HSS-Co center drill', 80, 150, 0.001, 0.003, 0.031, 0.25);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'), 'Spot Drill', 'To chamfer diameter', 'Solid carbide TiAlN', 250, 400, 0.001, 0.003, 0.062, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'), 'Drill', 'Peck .5-1 x D', 'Solid carbide TiAlN', 200, 300, 0.0005, 0.002, 0.02, 0.125);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'), 'Drill', 'To 3 x D, then peck 1 x D', 'Solid carbide TiAlN', 250, 400, 0.002, 0.006, 0.125, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'), 'Ream', '.004-.010 stock on diameter', 'Solid carbide reamer', 150, 250, 0.002, 0.006, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'), 'Tap', 'Feed = pitch (1/TPI)', 'HSS-E TiN, cut or forming', 40, 80, 0.0125, 0.0769, 0.06, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'), 'Thread (Single Point)', 'Radial .002-.006 per pass, spring pass', 'Carbide P30 PVD', 350, 650, 0.0125, 0.0833, 0.06, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'), 'Live Mill', 'Axial .5 x D, radial .25 x D', 'Solid carbide TiAlN 3-flute', 300, 500, 0.001, 0.003, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Free-Machining Steel'), 'Live Cross Drill', 'Peck .5-1 x D', 'Solid carbide TiAlN', 150, 250, 0.0005, 0.0025, 0.02, 0.25);

-- Low-Carbon Steel
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'), 'OD Turn Rough', '.030-.150', 'Carbide P25 CVD coated', 450, 800, 0.004, 0.01, 0.125, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'), 'OD Turn Finish', '.005-.020', 'Cermet P10', 550, 950, 0.001, 0.004, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'), 'Face (Turn)', '.010-.060', 'Carbide P25 CVD coated', 450, 800, 0.002, 0.006, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'), 'Groove (Turn)', 'Plunge to depth, peck .010-.020', 'Carbide P30 PVD', 250, 500, 0.001, 0.003, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'), 'Cut-off (Turn)', 'Plunge, half feed near center', 'Carbide P30 PVD', 250, 450, 0.001, 0.0025, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'), 'Center Drill', 'To chamfer diameter', 'HSS-Co center drill', 70, 120, 0.001, 0.003, 0.031, 0.25);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'), 'Spot Drill', 'To chamfer diameter', 'Solid carbide TiAlN', 200, 350, 0.001, 0.003, 0.062, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'), 'Drill', 'Peck .5-1 x D', 'Solid carbide TiAlN', 180, 280, 0.0005, 0.002, 0.02, 0.125);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'), 'Drill', 'To 3 x D, then peck 1 x D', 'Solid carbide TiAlN', 220, 350, 0.002, 0.006, 0.125, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'), 'Ream', '.004-.010 stock on diameter', 'Solid carbide reamer', 120, 200, 0.002, 0.005, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'), 'Tap', 'Feed = pitch (1/TPI)', 'HSS-E TiN, forming', 30, 60, 0.0125, 0.0769, 0.06, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'), 'Thread (Single Point)', 'Radial .002-.006 per pass, spring pass', 'Carbide P30 PVD', 300, 550, 0.0125, 0.0833, 0.06, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'), 'Live Mill', 'Axial .5 x D, radial .25 x D', 'Solid carbide TiAlN 3-flute', 250, 450, 0.001, 0.003, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Low-Carbon Steel'), 'Live Cross Drill', 'Peck .5-1 x D', 'Solid carbide TiAlN', 150, 230, 0.0005, 0.0025, 0.02, 0.25);

-- Alloy Steel
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'), 'OD Turn Rough', '.030-.120', 'Carbide P25 CVD coated', 350, 650, 0.004, 0.009, 0.125, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'), 'OD Turn Finish', '.005-.020', 'Cermet P10', 450, 750, 0.001, 0.004, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'), 'Face (Turn)', '.010-.060', 'Carbide P25 CVD coated', 350, 650, 0.002, 0.005, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'), 'Groove (Turn)', 'Plunge to depth, peck .010-.020', 'Carbide P30 PVD', 200, 400, 0.0008, 0.0025, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'), 'Cut-off (Turn)', 'Plunge, half feed near center', 'Carbide P30 PVD', 200, 380, 0.0008, 0.002, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'), 'Center Drill', 'To chamfer diameter', 'HSS-Co center drill', 50, 90, 0.0008, 0.002, 0.031, 0.25);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'), 'Spot Drill', 'To chamfer diameter', 'Solid carbide TiAlN', 180, 300, 0.001, 0.0025, 0.062, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'), 'Drill', 'Peck .5-1 x D', 'Solid carbide TiAlN', 150, 230, 0.0004, 0.0015, 0.02, 0.125);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'), 'Drill', 'To 3 x D, then peck 1 x D', 'Solid carbide TiAlN', 200, 300, 0.0015, 0.005, 0.125, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'), 'Ream', '.004-.010 stock on diameter', 'Solid carbide reamer', 100, 170, 0.002, 0.005, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'), 'Tap', 'Feed = pitch (1/TPI)', 'HSS-E TiCN', 20, 40, 0.0125, 0.0769, 0.06, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'), 'Thread (Single Point)', 'Radial .002-.006 per pass, spring pass', 'Carbide P25 PVD', 250, 450, 0.0125, 0.0833, 0.06, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'), 'Live Mill', 'Axial .5 x D, radial .25 x D', 'Solid carbide AlTiN 4-flute', 200, 350, 0.0008, 0.0025, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Alloy Steel'), 'Live Cross Drill', 'Peck .5-1 x D', 'Solid carbide TiAlN', 120, 200, 0.0004, 0.002, 0.02, 0.25);

-- 300 Series Stainless
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'), 'OD Turn Rough', '.030-.120', 'Carbide M25 CVD coated', 300, 550, 0.003, 0.008, 0.125, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'), 'OD Turn Finish', '.005-.020', 'Carbide M15 PVD', 350, 650, 0.001, 0.004, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'), 'Face (Turn)', '.010-.060', 'Carbide M25 CVD coated', 300, 550, 0.002, 0.005, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'), 'Groove (Turn)', 'Plunge to depth, peck .010-.020', 'Carbide M25 PVD', 180, 350, 0.0008, 0.0025, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'), 'Cut-off (Turn)', 'Plunge, half feed near center', 'Carbide M25 PVD', 180, 320, 0.0008, 0.002, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'), 'Center Drill', 'To chamfer diameter', 'HSS-Co center drill', 40, 70, 0.0008, 0.002, 0.031, 0.25);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'), 'Spot Drill', 'To chamfer diameter', 'Solid carbide TiAlN', 150, 250, 0.001, 0.002, 0.062, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'), 'Drill', 'Peck .5-1 x D', 'Solid carbide TiAlN', 120, 200, 0.0004, 0.0015, 0.02, 0.125);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'), 'Drill', 'To 3 x D, then peck 1 x D', 'Solid carbide TiAlN', 150, 250, 0.0015, 0.004, 0.125, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'), 'Ream', '.004-.010 stock on diameter', 'Solid carbide reamer', 80, 140, 0.002, 0.004, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'), 'Tap', 'Feed = pitch (1/TPI)', 'HSS-E TiCN, cut or forming', 15, 35, 0.0125, 0.0769, 0.06, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'), 'Thread (Single Point)', 'Radial .002-.006 per pass, spring pass', 'Carbide M25 PVD', 200, 400, 0.0125, 0.0833, 0.06, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'), 'Live Mill', 'Axial .5 x D, radial .25 x D', 'Solid carbide AlTiN 4-flute', 200, 350, 0.0008, 0.002, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '300 Series Stainless'), 'Live Cross Drill', 'Peck .5-1 x D', 'Solid carbide TiAlN', 100, 180, 0.0004, 0.0015, 0.02, 0.25);

-- 400 Series & PH Stainless
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'), 'OD Turn Rough', '.030-.120', 'Carbide M25 CVD coated', 280, 500, 0.003, 0.008, 0.125, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'), 'OD Turn Finish', '.005-.020', 'Carbide M15 PVD', 330, 600, 0.001, 0.004, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'), 'Face (Turn)', '.010-.060', 'Carbide M25 CVD coated', 280, 500, 0.002, 0.005, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'), 'Groove (Turn)', 'Plunge to depth, peck .010-.020', 'Carbide M25 PVD', 160, 320, 0.0008, 0.002, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'), 'Cut-off (Turn)', 'Plunge, half feed near center', 'Carbide M25 PVD', 160, 300, 0.0008, 0.002, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'), 'Center Drill', 'To chamfer diameter', 'HSS-Co center drill', 35, 65, 0.0008, 0.002, 0.031, 0.25);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'), 'Spot Drill', 'To chamfer diameter', 'Solid carbide TiAlN', 130, 220, 0.001, 0.002, 0.062, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'), 'Drill', 'Peck .5-1 x D', 'Solid carbide TiAlN', 100, 180, 0.0004, 0.0015, 0.02, 0.125);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'), 'Drill', 'To 3 x D, then peck 1 x D', 'Solid carbide TiAlN', 130, 220, 0.0015, 0.004, 0.125, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'), 'Ream', '.004-.010 stock on diameter', 'Solid carbide reamer', 70, 120, 0.002, 0.004, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'), 'Tap', 'Feed = pitch (1/TPI)', 'HSS-E TiCN', 12, 30, 0.0125, 0.0769, 0.06, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'), 'Thread (Single Point)', 'Radial .002-.006 per pass, spring pass', 'Carbide M25 PVD', 180, 350, 0.0125, 0.0833, 0.06, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'), 'Live Mill', 'Axial .5 x D, radial .25 x D', 'Solid carbide AlTiN 4-flute', 180, 300, 0.0008, 0.002, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = '400 Series & PH Stainless'), 'Live Cross Drill', 'Peck .5-1 x D', 'Solid carbide TiAlN', 90, 160, 0.0004, 0.0015, 0.02, 0.25);

-- Aluminum Alloys
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'), 'OD Turn Rough', '.040-.200', 'Carbide K10 uncoated, polished', 800, 2000, 0.005, 0.012, 0.125, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'), 'OD Turn Finish', '.005-.020', 'Carbide K10 polished or PCD', 1000, 2500, 0.002, 0.006, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'), 'Face (Turn)', '.010-.060', 'Carbide K10 uncoated, polished', 800, 2000, 0.003, 0.008, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'), 'Groove (Turn)', 'Plunge to depth, peck .010-.020', 'Carbide K10 uncoated, polished', 600, 1200, 0.001, 0.004, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'), 'Cut-off (Turn)', 'Plunge, half feed near center', 'Carbide K10 uncoated, polished', 500, 1000, 0.001, 0.004, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'), 'Center Drill', 'To chamfer diameter', 'HSS-Co center drill', 150, 300, 0.001, 0.004, 0.031, 0.25);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'), 'Spot Drill', 'To chamfer diameter', 'Solid carbide uncoated', 400, 800, 0.002, 0.004, 0.062, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'), 'Drill', 'Peck .5-1 x D', 'Solid carbide uncoated or DLC', 300, 600, 0.0008, 0.003, 0.02, 0.125);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'), 'Drill', 'To 3 x D, then peck 1 x D', 'Solid carbide uncoated or DLC', 400, 800, 0.003, 0.008, 0.125, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'), 'Ream', '.004-.010 stock on diameter', 'Solid carbide reamer, uncoated', 300, 500, 0.003, 0.008, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'), 'Tap', 'Feed = pitch (1/TPI)', 'HSS-E bright, forming', 60, 120, 0.0125, 0.0769, 0.06, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'), 'Thread (Single Point)', 'Radial .002-.006 per pass, spring pass', 'Carbide K10 uncoated', 600, 1200, 0.0125, 0.0833, 0.06, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'), 'Live Mill', 'Axial .5 x D, radial .25 x D', 'Solid carbide 2/3-flute uncoated', 600, 1200, 0.001, 0.004, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Aluminum Alloys'), 'Live Cross Drill', 'Peck .5-1 x D', 'Solid carbide uncoated', 300, 500, 0.0008, 0.004, 0.02, 0.25);

-- Brass
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'), 'OD Turn Rough', '.040-.200', 'Carbide K10 uncoated', 600, 1200, 0.004, 0.012, 0.125, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'), 'OD Turn Finish', '.005-.020', 'Carbide K10 uncoated, sharp', 700, 1400, 0.002, 0.006, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'), 'Face (Turn)', '.010-.060', 'Carbide K10 uncoated', 600, 1200, 0.003, 0.008, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'), 'Groove (Turn)', 'Plunge to depth, peck .010-.020', 'Carbide K10 uncoated', 400, 800, 0.001, 0.004, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'), 'Cut-off (Turn)', 'Plunge, half feed near center', 'Carbide K10 uncoated', 400, 750, 0.001, 0.004, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'), 'Center Drill', 'To chamfer diameter', 'HSS-Co center drill', 120, 250, 0.001, 0.004, 0.031, 0.25);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'), 'Spot Drill', 'To chamfer diameter', 'Solid carbide uncoated', 350, 600, 0.002, 0.004, 0.062, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'), 'Drill', 'Peck .5-1 x D', 'Solid carbide uncoated', 250, 450, 0.0008, 0.003, 0.02, 0.125);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'), 'Drill', 'To 3 x D, then peck 1 x D', 'Solid carbide uncoated', 300, 600, 0.003, 0.008, 0.125, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'), 'Ream', '.004-.010 stock on diameter', 'Solid carbide reamer, uncoated', 200, 400, 0.003, 0.007, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'), 'Tap', 'Feed = pitch (1/TPI)', 'HSS-E bright, straight flute', 50, 100, 0.0125, 0.0769, 0.06, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'), 'Thread (Single Point)', 'Radial .002-.006 per pass, spring pass', 'Carbide K10 uncoated', 450, 900, 0.0125, 0.0833, 0.06, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'), 'Live Mill', 'Axial .5 x D, radial .25 x D', 'Solid carbide 2-flute uncoated', 400, 800, 0.001, 0.004, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Brass'), 'Live Cross Drill', 'Peck .5-1 x D', 'Solid carbide uncoated', 250, 450, 0.0008, 0.004, 0.02, 0.25);

-- Bronze
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'), 'OD Turn Rough', '.030-.150', 'Carbide K10 uncoated', 400, 800, 0.004, 0.01, 0.125, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'), 'OD Turn Finish', '.005-.020', 'Carbide K10 uncoated, sharp', 500, 900, 0.002, 0.005, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'), 'Face (Turn)', '.010-.060', 'Carbide K10 uncoated', 400, 800, 0.002, 0.007, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'), 'Groove (Turn)', 'Plunge to depth, peck .010-.020', 'Carbide K10 PVD', 300, 550, 0.001, 0.003, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'), 'Cut-off (Turn)', 'Plunge, half feed near center', 'Carbide K10 PVD', 280, 500, 0.001, 0.003, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'), 'Center Drill', 'To chamfer diameter', 'HSS-Co center drill', 80, 150, 0.001, 0.003, 0.031, 0.25);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'), 'Spot Drill', 'To chamfer diameter', 'Solid carbide TiAlN', 250, 400, 0.001, 0.003, 0.062, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'), 'Drill', 'Peck .5-1 x D', 'Solid carbide TiAlN', 180, 300, 0.0006, 0.002, 0.02, 0.125);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'), 'Drill', 'To 3 x D, then peck 1 x D', 'Solid carbide TiAlN', 220, 380, 0.002, 0.006, 0.125, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'), 'Ream', '.004-.010 stock on diameter', 'Solid carbide reamer', 150, 280, 0.002, 0.006, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'), 'Tap', 'Feed = pitch (1/TPI)', 'HSS-E TiCN', 30, 60, 0.0125, 0.0769, 0.06, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'), 'Thread (Single Point)', 'Radial .002-.006 per pass, spring pass', 'Carbide K10 PVD', 300, 600, 0.0125, 0.0833, 0.06, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'), 'Live Mill', 'Axial .5 x D, radial .25 x D', 'Solid carbide TiAlN 3-flute', 300, 550, 0.001, 0.003, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Bronze'), 'Live Cross Drill', 'Peck .5-1 x D', 'Solid carbide TiAlN', 180, 300, 0.0006, 0.0025, 0.02, 0.25);

-- Titanium
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'), 'OD Turn Rough', '.020-.080', 'Carbide S15 uncoated or PVD', 120, 250, 0.003, 0.008, 0.125, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'), 'OD Turn Finish', '.005-.020', 'Carbide S10 PVD, sharp', 150, 300, 0.001, 0.004, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'), 'Face (Turn)', '.010-.060', 'Carbide S15 PVD', 120, 250, 0.002, 0.005, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'), 'Groove (Turn)', 'Plunge to depth, peck .010-.020', 'Carbide S20 PVD', 80, 180, 0.0008, 0.002, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'), 'Cut-off (Turn)', 'Plunge, half feed near center', 'Carbide S20 PVD', 80, 160, 0.0008, 0.002, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'), 'Center Drill', 'To chamfer diameter', 'Solid carbide center drill', 30, 60, 0.0008, 0.002, 0.031, 0.25);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'), 'Spot Drill', 'To chamfer diameter', 'Solid carbide TiAlN', 80, 150, 0.001, 0.002, 0.062, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'), 'Drill', 'Peck .5-1 x D', 'Solid carbide AlTiN, through coolant', 60, 120, 0.0004, 0.0012, 0.02, 0.125);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'), 'Drill', 'To 3 x D, then peck 1 x D', 'Solid carbide AlTiN, through coolant', 80, 150, 0.0015, 0.004, 0.125, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'), 'Ream', '.004-.010 stock on diameter', 'Solid carbide reamer', 50, 100, 0.002, 0.004, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'), 'Tap', 'Feed = pitch (1/TPI)', 'HSS-E TiCN or forming', 10, 25, 0.0125, 0.0769, 0.06, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'), 'Thread (Single Point)', 'Radial .002-.006 per pass, spring pass', 'Carbide S15 PVD', 100, 220, 0.0125, 0.0833, 0.06, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'), 'Live Mill', 'Axial .5 x D, radial .25 x D', 'Solid carbide AlTiN 4-flute', 120, 250, 0.0006, 0.002, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Titanium'), 'Live Cross Drill', 'Peck .5-1 x D', 'Solid carbide AlTiN, through coolant', 60, 110, 0.0004, 0.0012, 0.02, 0.25);

-- Nickel & Cobalt Alloys
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'), 'OD Turn Rough', '.020-.080', 'Carbide S15 PVD', 60, 130, 0.003, 0.007, 0.125, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'), 'OD Turn Finish', '.005-.020', 'Carbide S10 PVD, sharp', 80, 160, 0.001, 0.003, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'), 'Face (Turn)', '.010-.060', 'Carbide S15 PVD', 60, 130, 0.002, 0.005, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'), 'Groove (Turn)', 'Plunge to depth, peck .010-.020', 'Carbide S20 PVD', 50, 100, 0.0006, 0.0015, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'), 'Cut-off (Turn)', 'Plunge, half feed near center', 'Carbide S20 PVD', 45, 90, 0.0006, 0.0015, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'), 'Center Drill', 'To chamfer diameter', 'Solid carbide center drill', 20, 40, 0.0006, 0.0015, 0.031, 0.25);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'), 'Spot Drill', 'To chamfer diameter', 'Solid carbide TiAlN', 50, 90, 0.0008, 0.0015, 0.062, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'), 'Drill', 'Peck .5-1 x D', 'Solid carbide AlTiN, through coolant', 40, 80, 0.0003, 0.001, 0.02, 0.125);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'), 'Drill', 'To 3 x D, then peck 1 x D', 'Solid carbide AlTiN, through coolant', 50, 100, 0.001, 0.003, 0.125, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'), 'Ream', '.004-.010 stock on diameter', 'Solid carbide reamer', 30, 60, 0.0015, 0.003, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'), 'Tap', 'Feed = pitch (1/TPI)', 'HSS-E-PM TiCN', 8, 15, 0.0125, 0.0769, 0.06, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'), 'Thread (Single Point)', 'Radial .002-.006 per pass, spring pass', 'Carbide S15 PVD', 60, 120, 0.0125, 0.0833, 0.06, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'), 'Live Mill', 'Axial .5 x D, radial .25 x D', 'Solid carbide AlTiN 4-flute', 80, 150, 0.0005, 0.0015, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Nickel & Cobalt Alloys'), 'Live Cross Drill', 'Peck .5-1 x D', 'Solid carbide AlTiN, through coolant', 40, 70, 0.0003, 0.001, 0.02, 0.25);

-- Plastics
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'), 'OD Turn Rough', '.040-.200', 'Carbide K10 uncoated, sharp', 500, 1500, 0.004, 0.012, 0.125, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'), 'OD Turn Finish', '.005-.020', 'Carbide K10 uncoated, sharp', 600, 1800, 0.002, 0.006, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'), 'Face (Turn)', '.010-.060', 'Carbide K10 uncoated, sharp', 500, 1500, 0.003, 0.008, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'), 'Groove (Turn)', 'Plunge to depth, peck .010-.020', 'Carbide K10 uncoated, sharp', 400, 1000, 0.002, 0.005, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'), 'Cut-off (Turn)', 'Plunge, half feed near center', 'Carbide K10 uncoated, sharp', 400, 900, 0.002, 0.005, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'), 'Center Drill', 'To chamfer diameter', 'HSS-Co center drill', 150, 300, 0.002, 0.005, 0.031, 0.25);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'), 'Spot Drill', 'To chamfer diameter', 'Solid carbide uncoated', 300, 600, 0.002, 0.005, 0.062, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'), 'Drill', 'Peck .5-1 x D', 'Solid carbide uncoated, polished flutes', 250, 500, 0.001, 0.004, 0.02, 0.125);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'), 'Drill', 'To 3 x D, then peck 1 x D', 'Solid carbide uncoated, polished flutes', 300, 600, 0.003, 0.01, 0.125, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'), 'Ream', '.004-.010 stock on diameter', 'Solid carbide reamer, uncoated', 200, 400, 0.003, 0.008, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'), 'Tap', 'Feed = pitch (1/TPI)', 'HSS-E bright, cut tap', 50, 100, 0.0125, 0.0769, 0.06, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'), 'Thread (Single Point)', 'Radial .002-.006 per pass, spring pass', 'Carbide K10 uncoated, sharp', 400, 900, 0.0125, 0.0833, 0.06, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'), 'Live Mill', 'Axial .5 x D, radial .25 x D', 'Solid carbide 1/2-flute uncoated', 500, 1000, 0.002, 0.006, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Plastics'), 'Live Cross Drill', 'Peck .5-1 x D', 'Solid carbide uncoated', 250, 500, 0.001, 0.004, 0.02, 0.25);

-- Copper
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'), 'OD Turn Rough', '.030-.150', 'Carbide K10 uncoated, polished', 500, 1000, 0.004, 0.01, 0.125, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'), 'OD Turn Finish', '.005-.020', 'Carbide K10 uncoated, polished', 600, 1200, 0.002, 0.005, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'), 'Face (Turn)', '.010-.060', 'Carbide K10 uncoated, polished', 500, 1000, 0.002, 0.007, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'), 'Groove (Turn)', 'Plunge to depth, peck .010-.020', 'Carbide K10 uncoated, polished', 350, 700, 0.001, 0.003, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'), 'Cut-off (Turn)', 'Plunge, half feed near center', 'Carbide K10 uncoated, polished', 350, 650, 0.001, 0.003, 0.04, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'), 'Center Drill', 'To chamfer diameter', 'HSS-Co center drill', 100, 200, 0.001, 0.003, 0.031, 0.25);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'), 'Spot Drill', 'To chamfer diameter', 'Solid carbide uncoated', 300, 500, 0.001, 0.003, 0.062, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'), 'Drill', 'Peck .5-1 x D', 'Solid carbide uncoated', 200, 400, 0.0006, 0.002, 0.02, 0.125);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'), 'Drill', 'To 3 x D, then peck 1 x D', 'Solid carbide uncoated', 250, 500, 0.002, 0.006, 0.125, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'), 'Ream', '.004-.010 stock on diameter', 'Solid carbide reamer, uncoated', 150, 300, 0.002, 0.006, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'), 'Tap', 'Feed = pitch (1/TPI)', 'HSS-E bright, forming', 40, 80, 0.0125, 0.0769, 0.06, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'), 'Thread (Single Point)', 'Radial .002-.006 per pass, spring pass', 'Carbide K10 uncoated', 400, 800, 0.0125, 0.0833, 0.06, 1.26);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'), 'Live Mill', 'Axial .5 x D, radial .25 x D', 'Solid carbide 2-flute uncoated', 400, 800, 0.001, 0.003, 0.031, 0.5);
INSERT INTO cutdat (GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam) VALUES
  ((SELECT GrpIndex FROM MaterialGrps WHERE GrpName = 'Copper'), 'Live Cross Drill', 'Peck .5-1 x D', 'Solid carbide uncoated', 200, 350, 0.0006, 0.0025, 0.02, 0.25);
