#include "simulator/Catalogue.h"

#include <sstream>

namespace sim {

namespace {

// Columns written compactly: "Name:T:description" entries separated by "|".
std::vector<ColumnDef> columns(const std::string& compact) {
    std::vector<ColumnDef> out;
    std::stringstream entries(compact);
    std::string entry;
    while (std::getline(entries, entry, '|')) {
        const auto first = entry.find(':');
        const auto second = entry.find(':', first + 1);
        out.push_back({entry.substr(0, first), entry[first + 1], entry.substr(second + 1)});
    }
    return out;
}

const std::string kSession = "SPID:I:Session process id|KPID:I:Kernel process id|";

std::vector<MonTableDef> buildTables() {
    const std::string objectKeys =
        "DBID:I:Database id|ObjectID:I:Object id|IndexID:I:Index id|DBName:S:Database name|"
        "ObjectName:S:Object name|";
    return {
        {"monCachePool",
         "One row for each buffer pool of each named data cache.",
         columns(
             "CacheID:I:Cache id|IOBufferSize:I:Size of the pool's buffers in bytes|"
             "AllocatedKB:I:Memory given to the pool in kilobytes|PhysicalReads:I:Buffers read "
             "from disk into the pool|Stalls:I:Times a task waited for a clean "
             "buffer|PagesTouched:I:"
             "Pages currently in use|PagesRead:I:Pages read into the pool|BuffersToMRU:I:Buffers "
             "placed at the most recently used end|BuffersToLRU:I:Buffers placed at the least "
             "recently used end|CacheName:S:Name of the cache"),
         {}},
        {"monCachedObject",
         "Objects and indexes with pages in a data cache right now.",
         columns(
             "CacheID:I:Cache id|" + objectKeys +
             "PartitionID:I:Partition id|CachedKB:I:Kilobytes of the object in cache|"
             "CacheName:S:Name of the cache|ObjectType:S:Kind of object|"
             "TotalSizeKB:I:Total size of the object in kilobytes|ProcessesAccessing:I:Sessions "
             "using the object now"),
         {}},
        {"monCachedProcedures",
         "Stored procedures and triggers held in procedure cache.",
         columns(
             "ObjectID:I:Object id|OwnerUID:I:Owner user id|DBID:I:Database id|PlanID:I:Plan id|"
             "MemUsageKB:I:Procedure cache used in kilobytes|CompileDate:D:When the plan was "
             "compiled|ObjectName:S:Procedure name|ObjectType:S:Kind of object|OwnerName:S:Owner "
             "name|DBName:S:Database name|RequestCnt:I:Times the plan was requested|"
             "ExecutionCount:I:Times the plan ran"),
         {}},
        {"monCachedStatement",
         "Statements kept in the statement cache.",
         columns("InstanceID:I:Server instance|SSQLID:I:Cached statement id|Hashkey:I:Hash of the "
                 "statement text|UserID:I:User id|SUserID:I:Login id|DBID:I:Database id|"
                 "UseCount:I:Times the statement was reused|StatementSize:I:Bytes of memory used|"
                 "AvgLIO:I:Average logical reads|AvgElapsedTime:I:Average elapsed milliseconds|"
                 "CachedDate:D:When it entered the cache|LastUsedDate:D:When it last ran|"
                 "DBName:S:Database name"),
         {"enable stmt cache monitoring"}},
        {"monDataCache",
         "Activity of each named data cache.",
         columns("CacheID:I:Cache id|RelaxedReplacement:I:1 when relaxed replacement is used|"
                 "BufferPools:I:Number of pools|CacheSearches:I:Lookups in the cache|"
                 "PhysicalReads:I:Buffers read from disk|LogicalReads:I:Buffers found or read|"
                 "PhysicalWrites:I:Buffers written to disk|Stalls:I:Waits for a clean buffer|"
                 "CachePartitions:I:Number of partitions|CacheName:S:Name of the cache"),
         {}},
        {"monDeadLock",
         "Recent deadlocks, one row for each task of each deadlock.",
         columns(
             "DeadlockID:I:Deadlock id|VictimKPID:I:Kernel process id of the victim|"
             "ResolveTime:D:When the deadlock was resolved|ObjectDBID:I:Database of the object|"
             "PageNumber:I:Page locked|RowNumber:I:Row locked|HeldFamilyID:I:Family of the "
             "holder|HeldSPID:I:Session holding the lock|HeldKPID:I:Kernel process holding the "
             "lock|HeldProcDBID:I:Database of the holder's procedure|HeldProcedureID:I:Procedure "
             "of the holder|HeldBatchID:I:Batch of the holder|HeldContextID:I:Context of the "
             "holder|HeldLineNumber:I:Line the holder ran|WaitSPID:I:Session that waited|"
             "WaitKPID:I:Kernel process that waited|WaitTime:I:Milliseconds waited|"
             "ObjectName:S:Object locked|HeldUserName:S:Login of the holder|HeldApplName:S:"
             "Application of the holder|HeldCommand:S:Command of the holder|HeldLockType:S:Kind "
             "of lock held|WaitUserName:S:Login of the waiter|WaitLockType:S:Kind of lock wanted"),
         {"deadlock pipe active", "deadlock pipe max messages"},
         true},
        {"monDeviceIO",
         "Reads and writes of each database device.",
         columns("Reads:I:Reads from the device|APFReads:I:Asynchronous prefetch reads|"
                 "Writes:I:Writes to the device|DevSemaphoreRequests:I:Requests for the device's "
                 "semaphore|DevSemaphoreWaits:I:Waits for the device's semaphore|IOTime:I:"
                 "Milliseconds spent on input and output|LogicalName:S:Device name|PhysicalName:S:"
                 "File or raw device path"),
         {}},
        {"monEngine",
         "One row for each engine: its load and activity since start.",
         columns(
             "EngineNumber:I:Engine number|CurrentKPID:I:Kernel process running now|"
             "PreviousKPID:I:Kernel process that ran before|CPUTime:I:Seconds the engine was "
             "busy|SystemCPUTime:I:Seconds spent on system work|UserCPUTime:I:Seconds spent on "
             "user work|IdleCPUTime:I:Seconds spent idle|ContextSwitches:I:Task switches|"
             "Connections:I:Connections the engine handles|ProcessesAffinitied:I:Sessions bound "
             "to the engine|Status:S:State of the engine|StartTime:D:When the engine came "
             "online|StopTime:D:When the engine went offline|AffinitiedToCPU:I:CPU the engine is "
             "bound to|OSPID:I:Operating-system process id|Yields:I:Times the engine yielded "
             "the CPU|DiskIOChecks:I:Checks for finished disk input and output|DiskIOPolled:I:"
             "Polls that found finished disk input and output|DiskIOCompleted:I:Disk requests "
             "completed"),
         {}},
        {"monErrorLog",
         "Recent entries of the server's error log.",
         columns(kSession + "FamilyID:I:Family id|EngineNumber:I:Engine that wrote the entry|"
                            "ErrorNumber:I:Message number|Severity:I:Severity|State:I:State|"
                            "Time:D:When the entry was written|ErrorMessage:S:Text of the entry"),
         {"errorlog pipe active", "errorlog pipe max messages"},
         true},
        {"monIOQueue",
         "Input and output queued by kind of device.",
         columns("IOs:I:Requests|IOTime:I:Milliseconds spent|LogicalName:S:Device name|"
                 "IOType:S:Kind of input or output"),
         {}},
        {"monLicense",
         "Licences checked out by the server.",
         columns("Quantity:I:Licences held|Name:S:Feature name|Edition:S:Edition|Type:S:Licence "
                 "kind|Version:S:Version|Status:S:State|LicenseExpiry:D:Expiry date|GraceExpiry:D:"
                 "End of the grace period|LicenseID:S:Licence identifier|Filter:S:Filter|"
                 "Attributes:S:Attributes"),
         {}},
        {"monLocks",
         "Locks held and requested right now.",
         columns(kSession + "DBID:I:Database id|ParentSPID:I:Parent session of a worker|"
                            "LockID:I:Lock id|Context:I:Lock context|ObjectID:I:Object id|"
                            "LockState:S:Granted or requested|LockType:S:Kind of lock|"
                            "LockLevel:S:Table, page or row|WaitTime:I:Seconds waited for it|"
                            "PageNumber:I:Page locked|RowNumber:I:Row locked|DBName:S:Database "
                            "name|ObjectName:S:Object name"),
         {}},
        {"monNetworkIO",
         "Network traffic of the whole server.",
         columns("PacketsSent:I:Packets sent|PacketsReceived:I:Packets received|BytesSent:I:Bytes "
                 "sent|BytesReceived:I:Bytes received"),
         {}},
        {"monOpenDatabases",
         "Databases in use with their transaction and backup state.",
         columns(
             "DBID:I:Database id|BackupInProgress:I:1 while a dump runs|LastBackupFailed:I:1 "
             "when the last dump failed|TransactionLogFull:I:1 when the log is full|"
             "SuspendedProcesses:I:Sessions waiting for log space|AppendLogRequests:I:Requests "
             "to append to the log|AppendLogWaits:I:Waits to append to the log|DBName:S:Database "
             "name|BackupStartTime:D:When the last dump started|LastCheckpointTime:D:When the "
             "last checkpoint ran|LastTranLogDumpTime:D:When the log was last dumped"),
         {}},
        {"monOpenObjectActivity",
         "Use of each open table and index since it was opened.",
         columns(objectKeys + "LogicalReads:I:Buffers read|PhysicalReads:I:Buffers read from disk|"
                              "APFReads:I:Asynchronous prefetch reads|PagesRead:I:Pages read|"
                              "PhysicalWrites:I:Buffers written|PagesWritten:I:Pages written|"
                              "RowsInserted:I:Rows inserted|RowsDeleted:I:Rows deleted|"
                              "RowsUpdated:I:Rows updated|Operations:I:Times the object was "
                              "accessed|LockRequests:I:Lock requests|LockWaits:I:Lock waits|"
                              "OptSelectCount:I:Times the optimiser chose it|LastOptSelectDate:D:"
                              "When the optimiser last chose it|UsedCount:I:Times a plan used it|"
                              "LastUsedDate:D:When a plan last used it"),
         {"per object statistics active"}},
        {"monOpenPartitionActivity",
         "Use of each open partition since it was opened.",
         columns(objectKeys + "PartitionID:I:Partition id|PartitionName:S:Partition name|"
                              "LogicalReads:I:Buffers read|PhysicalReads:I:Buffers read from disk|"
                              "PhysicalWrites:I:Buffers written|RowsInserted:I:Rows inserted|"
                              "RowsDeleted:I:Rows deleted|RowsUpdated:I:Rows updated"),
         {"per object statistics active"}},
        {"monPCIBridge",
         "State of the pluggable component interface bridge.",
         columns("Status:S:State of the bridge|ConfiguredSlots:I:Slots configured|ActiveSlots:I:"
                 "Slots in use|ConfiguredPCIMemoryKB:I:Memory configured in kilobytes|"
                 "UsedPCIMemoryKB:I:Memory used in kilobytes"),
         {}},
        {"monPCIEngine",
         "Pluggable component activity by engine.",
         columns("EngineNumber:I:Engine number|Status:S:State|JVMs:I:Virtual machines on the "
                 "engine"),
         {}},
        {"monPCISlots",
         "Slots of the pluggable component interface.",
         columns("Slot:I:Slot number|Status:S:State|Modulename:S:Module loaded|Engine:I:Engine"),
         {}},
        {"monProcedureCache",
         "Activity of the procedure cache as a whole.",
         columns("Requests:I:Plans requested|Loads:I:Plans read from disk|Writes:I:Plans written|"
                 "Stalls:I:Waits for free cache|InstanceID:I:Server instance"),
         {}},
        {"monProcedureCacheMemoryUsage",
         "Procedure cache memory by allocator.",
         columns("AllocatorID:I:Allocator id|ModuleID:I:Module id|Active:I:Kilobytes in use|"
                 "HWM:I:Most kilobytes ever in use|ChunkHWM:I:Largest chunk in kilobytes|"
                 "NumReuseCaused:I:Plans pushed out|AllocatorName:S:Allocator name"),
         {}},
        {"monProcedureCacheModuleUsage",
         "Procedure cache memory by module.",
         columns("ModuleID:I:Module id|Active:I:Kilobytes in use|HWM:I:Most kilobytes ever in use|"
                 "NumPagesReused:I:Pages reused|ModuleName:S:Module name"),
         {}},
        {"monProcess",
         "One row for each session: what it runs and what it waits for.",
         columns(kSession + "FamilyID:I:Family of a parallel query|BatchID:I:Batch number|"
                            "ContextID:I:Context number|LineNumber:I:Line running now|"
                            "SecondsConnected:I:Seconds since login|WaitEventID:I:What the "
                            "session waits for|EngineNumber:I:Engine it runs on|Priority:S:"
                            "Priority|Login:S:Login name|Application:S:Application name|"
                            "Command:S:Command running|NumChildren:I:Worker processes|"
                            "SecondsWaiting:I:Seconds spent waiting now|BlockingSPID:I:Session "
                            "holding what it waits for|DBID:I:Current database id|"
                            "EngineGroupName:S:Engine group|ExecutionClass:S:Execution class|"
                            "MasterTransactionID:S:Transaction id|DBName:S:Current database|"
                            "HostName:S:Client host"),
         {}},
        {"monProcessActivity",
         "Work done by each session since it logged in.",
         columns(kSession + "ServerUserID:I:Login id|CPUTime:I:Milliseconds of CPU used|"
                            "WaitTime:I:Milliseconds spent waiting|PhysicalReads:I:Buffers read "
                            "from disk|LogicalReads:I:Buffers read|PagesRead:I:Pages read|"
                            "PhysicalWrites:I:Buffers written|PagesWritten:I:Pages written|"
                            "MemUsageKB:I:Memory used in kilobytes|LocksHeld:I:Locks held now|"
                            "TableAccesses:I:Tables read|IndexAccesses:I:Indexes read|"
                            "TempDbObjects:I:Work tables created|ULCBytesWritten:I:Bytes written "
                            "to the user log cache|ULCFlushes:I:User log cache flushes|"
                            "Transactions:I:Transactions started|Commits:I:Transactions "
                            "committed|Rollbacks:I:Transactions rolled back"),
         {"per object statistics active"}},
        {"monProcessLookup",
         "Login, application and client host of each session.",
         columns(kSession + "Login:S:Login name|Application:S:Application name|ClientHost:S:"
                            "Client host|ClientIP:S:Client address|ClientOSPID:S:Client process "
                            "id|HostName:S:Host name"),
         {}},
        {"monProcessNetIO",
         "Network traffic of each session.",
         columns(kSession + "NetworkPacketSize:I:Packet size in bytes|PacketsSent:I:Packets "
                            "sent|PacketsReceived:I:Packets received|BytesSent:I:Bytes sent|"
                            "BytesReceived:I:Bytes received"),
         {}},
        {"monProcessObject",
         "Objects each session uses right now.",
         columns(kSession + objectKeys +
                 "OwnerUserID:I:Owner id|LogicalReads:I:Buffers read|PhysicalReads:I:Buffers read "
                 "from disk|PhysicalAPFReads:I:Asynchronous prefetch reads|ObjectType:S:Kind of "
                 "object|PartitionSize:I:Kilobytes of the object"),
         {"per object statistics active"}},
        {"monProcessProcedures",
         "Stored procedures each session runs now.",
         columns(kSession + "DBID:I:Database id|OwnerUID:I:Owner id|ObjectID:I:Procedure id|"
                            "PlanID:I:Plan id|MemUsageKB:I:Memory used in kilobytes|"
                            "CompileDate:D:When the plan was compiled|ContextID:I:Context|"
                            "LineNumber:I:Line running|DBName:S:Database name|OwnerName:S:Owner "
                            "name|ObjectName:S:Procedure name|ObjectType:S:Kind of object"),
         {}},
        {"monProcessSQLText",
         "Text of the batch each session runs now.",
         columns(kSession + "BatchID:I:Batch number|LineNumber:I:Line of the batch|"
                            "SequenceInLine:I:Piece of the line|SQLText:S:Text"),
         {"SQL batch capture"}},
        {"monProcessStatement",
         "Statements running now, with their resource use so far.",
         columns(kSession + "DBID:I:Database id|ProcedureID:I:Procedure id|PlanID:I:Plan id|"
                            "BatchID:I:Batch number|ContextID:I:Context|LineNumber:I:Line|"
                            "CpuTime:I:Milliseconds of CPU used|WaitTime:I:Milliseconds waited|"
                            "MemUsageKB:I:Memory used in kilobytes|PhysicalReads:I:Buffers read "
                            "from disk|LogicalReads:I:Buffers read|PagesModified:I:Pages "
                            "changed|PacketsSent:I:Packets sent|PacketsReceived:I:Packets "
                            "received|NetworkPacketSize:I:Packet size|PlansAltered:I:Plans "
                            "changed|StartTime:D:When the statement started|DBName:S:Database "
                            "name"),
         {"statement statistics active", "per object statistics active"}},
        {"monProcessWaits",
         "Time each session has spent in each wait event.",
         columns(kSession + "WaitEventID:I:Wait event|Waits:I:Times it waited|WaitTime:I:"
                            "Milliseconds waited"),
         {"wait event timing", "process wait events"}},
        {"monProcessWorkerThread",
         "Worker threads of parallel queries.",
         columns(kSession + "FamilyID:I:Family id|ThreadsActive:I:Threads running|"
                            "MaxParallelDegree:I:Most threads allowed|MaxScanParallelDegree:I:"
                            "Most scan threads allowed|ParallelQueries:I:Parallel queries run|"
                            "PlansAltered:I:Plans run with fewer threads"),
         {}},
        {"monSQLRepActivity",
         "Replication activity by object.",
         columns(objectKeys + "OwnerUserID:I:Owner id|LogRecords:I:Log records scanned|"
                              "Updates:I:Updates replicated|Inserts:I:Inserts replicated|"
                              "Deletes:I:Deletes replicated"),
         {"per object statistics active"}},
        {"monSQLRepMisses",
         "Replication that fell back to log records, by object.",
         columns(objectKeys + "OwnerUserID:I:Owner id|Threshold:I:Rows needed to replicate a "
                              "statement|QueryLimitation:I:Statements not replicable|Configuration:"
                              "I:Misses caused by configuration"),
         {"per object statistics active"}},
        {"monState",
         "The server's overall state: uptime, connections, deadlocks.",
         columns(
             "LockWaitThreshold:I:Seconds before a lock wait is reported|LockWaits:I:Lock "
             "waits beyond the threshold|StartDate:D:When the server started|DaysRunning:I:Days "
             "since start|CountersCleared:D:When the counters were reset|CheckPoints:I:1 while "
             "a checkpoint runs|NumDeadlocks:I:Deadlocks since start|DiagnosticDumps:I:1 while "
             "a dump runs|Connections:I:Sessions now|MaxRecovery:I:Recovery interval in "
             "minutes|Transactions:I:Transactions since start"),
         {}},
        {"monStatementCache",
         "The statement cache as a whole.",
         columns("TotalSizeKB:I:Size in kilobytes|UsedSizeKB:I:Kilobytes in use|NumStatements:I:"
                 "Statements cached|NumSearches:I:Lookups|HitCount:I:Lookups that found the "
                 "statement|NumInserts:I:Statements added|NumRemovals:I:Statements pushed out|"
                 "NumRecompilesSchemaChanges:I:Recompiles after schema changes|"
                 "NumRecompilesPlanFlushes:I:Recompiles after plan flushes"),
         {"enable stmt cache monitoring"}},
        {"monSysPlanText",
         "Plans of recently finished statements.",
         columns(kSession + "PlanID:I:Plan id|BatchID:I:Batch number|ContextID:I:Context|"
                            "SequenceNumber:I:Line of the plan|DBID:I:Database id|ProcedureID:I:"
                            "Procedure id|PlanText:S:Line of plan text"),
         {"plan text pipe max messages", "plan text pipe active"},
         true},
        {"monSysSQLText",
         "Text of recently finished batches.",
         columns(kSession + "ServerUserID:I:Login id|BatchID:I:Batch number|SequenceInBatch:I:"
                            "Piece of the batch|SQLText:S:Text"),
         {"sql text pipe max messages", "sql text pipe active"},
         true},
        {"monSysStatement",
         "Recently finished statements with their resource use.",
         columns(kSession + "DBID:I:Database id|ProcedureID:I:Procedure id|PlanID:I:Plan id|"
                            "BatchID:I:Batch number|ContextID:I:Context|LineNumber:I:Line|"
                            "CpuTime:I:Milliseconds of CPU used|WaitTime:I:Milliseconds waited|"
                            "MemUsageKB:I:Memory used in kilobytes|PhysicalReads:I:Buffers read "
                            "from disk|LogicalReads:I:Buffers read|PagesModified:I:Pages changed|"
                            "PacketsSent:I:Packets sent|PacketsReceived:I:Packets received|"
                            "NetworkPacketSize:I:Packet size|PlansAltered:I:Plans changed|"
                            "RowsAffected:I:Rows affected|ErrorStatus:I:Error number, 0 when "
                            "none|StartTime:D:When the statement started|EndTime:D:When it "
                            "ended"),
         {"statement statistics active", "statement pipe max messages", "statement pipe active",
          "per object statistics active"},
         true},
        {"monSysWaits",
         "Time the server has spent in each wait event.",
         columns("WaitEventID:I:Wait event|WaitTime:I:Seconds waited|Waits:I:Times waited"),
         {"wait event timing"}},
        {"monSysWorkerThread",
         "Worker threads of the server as a whole.",
         columns("ThreadsActive:I:Threads running|TotalWorkerThreads:I:Threads configured|"
                 "HighWater:I:Most threads ever running|ParallelQueries:I:Parallel queries run|"
                 "PlansAltered:I:Plans run with fewer threads"),
         {}},
        {"monTableColumns",
         "Every column of every monitoring table.",
         columns("TableID:I:Table id|ColumnID:I:Column position|TypeID:I:Type id|Precision:I:"
                 "Precision|Scale:I:Scale|Length:I:Length in bytes|Indicators:I:Flags|TableName:S:"
                 "Table name|ColumnName:S:Column name|TypeName:S:Type name|Description:S:What the "
                 "column holds"),
         {}},
        {"monTableParameters",
         "Parameters a monitoring table accepts in its where clause.",
         columns("TableID:I:Table id|ParameterID:I:Parameter position|TypeID:I:Type id|"
                 "Precision:I:Precision|Scale:I:Scale|Length:I:Length in bytes|TableName:S:Table "
                 "name|ParameterName:S:Parameter name|TypeName:S:Type name|Description:S:What the "
                 "parameter selects"),
         {}},
        {"monTables",
         "Every monitoring table with its description.",
         columns("TableID:I:Table id|Columns:I:Number of columns|Parameters:I:Number of "
                 "parameters|Indicators:I:Flags: bit 0 set for a table that keeps history|Size:I:"
                 "Bytes of one row|TableName:S:Table name|Description:S:What the table holds"),
         {}},
        {"monWaitClassInfo",
         "The classes of wait events.",
         columns("WaitClassID:I:Class id|Description:S:What the class covers"),
         {}},
        {"monWaitEventInfo",
         "Every wait event the server knows.",
         columns("WaitEventID:I:Wait event|WaitClassID:I:Class id|Description:S:What the session "
                 "waits for"),
         {}},
    };
}

} // namespace

const std::vector<MonTableDef>& monitoringTables() {
    static const std::vector<MonTableDef> tables = buildTables();
    return tables;
}

const MonTableDef* findMonitoringTable(const std::string& name) {
    for (const MonTableDef& table : monitoringTables())
        if (table.name == name)
            return &table;
    return nullptr;
}

const std::vector<std::string>& configurationGroups() {
    static const std::vector<std::string> groups = {
        "Backup/Recovery",       "Cache Manager", "Disk I/O",
        "Lock Manager",          "Memory Use",    "Monitoring",
        "Network Communication", "Processors",    "SQL Server Administration",
        "User Environment"};
    return groups;
}

const std::vector<ConfigParameter>& configurationParameters() {
    static const std::vector<ConfigParameter> parameters = {
        // Monitoring
        {"enable monitoring", "Monitoring", 1, 0, 1, true, "switch"},
        {"per object statistics active", "Monitoring", 0, 0, 1, true, "switch"},
        {"statement statistics active", "Monitoring", 0, 0, 1, true, "switch"},
        {"statement pipe active", "Monitoring", 0, 0, 1, true, "switch"},
        {"statement pipe max messages", "Monitoring", 0, 0, 2147483647, true, "number"},
        {"sql text pipe active", "Monitoring", 0, 0, 1, true, "switch"},
        {"sql text pipe max messages", "Monitoring", 0, 0, 2147483647, true, "number"},
        {"plan text pipe active", "Monitoring", 0, 0, 1, true, "switch"},
        {"plan text pipe max messages", "Monitoring", 0, 0, 2147483647, true, "number"},
        {"errorlog pipe active", "Monitoring", 0, 0, 1, true, "switch"},
        {"errorlog pipe max messages", "Monitoring", 0, 0, 2147483647, true, "number"},
        {"deadlock pipe active", "Monitoring", 0, 0, 1, true, "switch"},
        {"deadlock pipe max messages", "Monitoring", 0, 0, 2147483647, true, "number"},
        {"wait event timing", "Monitoring", 1, 0, 1, true, "switch"},
        {"process wait events", "Monitoring", 0, 0, 1, true, "switch"},
        {"SQL batch capture", "Monitoring", 0, 0, 1, true, "switch"},
        {"enable stmt cache monitoring", "Monitoring", 0, 0, 1, true, "switch"},
        {"object lockwait timing", "Monitoring", 0, 0, 1, true, "switch"},
        {"lock timeout pipe active", "Monitoring", 0, 0, 1, true, "switch"},
        {"lock timeout pipe max messages", "Monitoring", 0, 0, 2147483647, true, "number"},
        {"max SQL text monitored", "Monitoring", 0, 0, 2147483647, false, "bytes"},
        {"performance monitoring option", "Monitoring", 0, 0, 1, false, "switch"},
        {"enable spinlock monitoring", "Monitoring", 0, 0, 1, true, "switch"},
        {"capture missing statistics", "Monitoring", 0, 0, 1, true, "switch"},
        {"enable file access", "Monitoring", 0, 0, 1, true, "switch"},
        // Memory Use
        {"max memory", "Memory Use", 98304, 49152, 2147483647, true, "memory pages(2k)"},
        {"total logical memory", "Memory Use", 78232, 0, 2147483647, false, "memory pages(2k)"},
        {"allocate max shared memory", "Memory Use", 0, 0, 1, true, "switch"},
        {"dynamic allocation on demand", "Memory Use", 1, 0, 1, true, "switch"},
        {"procedure cache size", "Memory Use", 14000, 7000, 2147483647, true, "memory pages(2k)"},
        {"statement cache size", "Memory Use", 0, 0, 2147483647, true, "memory pages(2k)"},
        {"heap memory per user", "Memory Use", 4096, 0, 2147483647, true, "bytes"},
        {"max online engines", "Memory Use", 4, 1, 128, false, "number"},
        {"number of open databases", "Memory Use", 12, 5, 2147483647, true, "number"},
        {"number of open objects", "Memory Use", 500, 100, 2147483647, true, "number"},
        {"number of open indexes", "Memory Use", 500, 100, 2147483647, true, "number"},
        {"number of open partitions", "Memory Use", 500, 100, 2147483647, true, "number"},
        {"number of user connections", "Memory Use", 25, 5, 2147483647, true, "number"},
        {"number of worker processes", "Memory Use", 0, 0, 2147483647, true, "number"},
        {"kernel resource memory", "Memory Use", 4096, 256, 2147483647, true, "memory pages(2k)"},
        // Cache Manager
        {"global cache partition number", "Cache Manager", 1, 1, 64, false, "number"},
        {"number of index trips", "Cache Manager", 0, 0, 255, true, "number"},
        {"number of oam trips", "Cache Manager", 0, 0, 255, true, "number"},
        {"memory alignment boundary", "Cache Manager", 2048, 2048, 262144, false, "bytes"},
        {"extended cache size", "Cache Manager", 0, 0, 2147483647, true, "memory pages(2k)"},
        // Network Communication
        {"default network packet size", "Network Communication", 2048, 512, 65024, false, "bytes"},
        {"max network packet size", "Network Communication", 2048, 512, 65024, false, "bytes"},
        {"number of remote connections", "Network Communication", 20, 5, 32767, false, "number"},
        {"number of remote logins", "Network Communication", 20, 0, 32767, false, "number"},
        {"number of remote sites", "Network Communication", 10, 1, 256, false, "number"},
        {"remote server pre-read packets", "Network Communication", 3, 3, 32767, false, "number"},
        {"tcp no delay", "Network Communication", 1, 0, 1, false, "switch"},
        {"send doneinproc tokens", "Network Communication", 1, 0, 1, true, "switch"},
        {"allow remote access", "Network Communication", 1, 0, 1, true, "switch"},
        // Disk I/O
        {"disk i/o structures", "Disk I/O", 256, 0, 2147483647, true, "number"},
        {"number of devices", "Disk I/O", 10, 1, 2147483647, true, "number"},
        {"page utilization percent", "Disk I/O", 95, 1, 100, true, "percent"},
        {"allow sql server async i/o", "Disk I/O", 1, 0, 1, false, "switch"},
        {"max async i/os per engine", "Disk I/O", 2147483647, 1, 2147483647, false, "number"},
        {"max async i/os per server", "Disk I/O", 2147483647, 1, 2147483647, false, "number"},
        {"i/o polling process count", "Disk I/O", 10, 1, 2147483647, true, "number"},
        // Lock Manager
        {"number of locks", "Lock Manager", 10000, 1000, 2147483647, true, "number"},
        {"lock wait period", "Lock Manager", 2147483647, 0, 2147483647, true, "seconds"},
        {"deadlock checking period", "Lock Manager", 500, 0, 2147483647, true, "milliseconds"},
        {"deadlock retries", "Lock Manager", 5, 0, 2147483647, true, "number"},
        {"print deadlock information", "Lock Manager", 0, 0, 2, true, "switch"},
        {"lock spinlock ratio", "Lock Manager", 85, 1, 2147483647, false, "ratio"},
        {"lock hashtable size", "Lock Manager", 2048, 1, 2147483647, false, "bytes"},
        {"page lock promotion HWM", "Lock Manager", 200, 2, 2147483647, true, "number"},
        {"row lock promotion HWM", "Lock Manager", 200, 2, 2147483647, true, "number"},
        {"read committed with lock", "Lock Manager", 0, 0, 1, true, "switch"},
        // User Environment
        {"default character set id", "User Environment", 1, 0, 255, false, "id"},
        {"default language id", "User Environment", 0, 0, 32767, true, "id"},
        {"number of pre-allocated extents", "User Environment", 2, 1, 32, true, "number"},
        {"stack size", "User Environment", 86016, 86016, 2147483647, false, "bytes"},
        {"stack guard size", "User Environment", 4096, 0, 2147483647, false, "bytes"},
        {"permission cache entries", "User Environment", 15, 1, 2147483647, true, "number"},
        {"user log cache size", "User Environment", 2048, 2048, 2147483647, false, "bytes"},
        {"enable row level access", "User Environment", 0, 0, 1, true, "switch"},
        {"default database size", "User Environment", 2, 2, 10000, true, "megabytes"},
        // Processors and administration
        {"number of engines at startup", "Processors", 1, 1, 128, false, "number"},
        {"max parallel degree", "Processors", 1, 1, 255, true, "number"},
        {"max scan parallel degree", "Processors", 1, 1, 255, true, "number"},
        {"runnable process search count", "Processors", 2000, 0, 2147483647, true, "number"},
        {"time slice", "SQL Server Administration", 100, 50, 1000, true, "milliseconds"},
        {"cpu accounting flush interval", "SQL Server Administration", 200, 1, 2147483647, true,
         "clock ticks"},
        {"i/o accounting flush interval", "SQL Server Administration", 1000, 1, 2147483647, true,
         "clock ticks"},
        {"sql server clock tick length", "SQL Server Administration", 100000, 1000, 1000000, false,
         "microseconds"},
        {"housekeeper free write percent", "SQL Server Administration", 1, 0, 100, true, "percent"},
        {"enable housekeeper GC", "SQL Server Administration", 1, 0, 5, true, "switch"},
        {"identity burning set factor", "SQL Server Administration", 5000, 1, 9999999, false,
         "number"},
        {"allow updates to system tables", "SQL Server Administration", 0, 0, 1, true, "switch"},
        {"default exp_row_size percent", "SQL Server Administration", 5, 0, 100, true, "percent"},
        {"number of mailboxes", "SQL Server Administration", 30, 30, 2147483647, true, "number"},
        {"number of messages", "SQL Server Administration", 64, 0, 2147483647, true, "number"},
        // Backup/Recovery
        {"recovery interval in minutes", "Backup/Recovery", 5, 1, 32767, true, "minutes"},
        {"print recovery information", "Backup/Recovery", 0, 0, 1, true, "switch"},
        {"tape retention in days", "Backup/Recovery", 0, 0, 365, true, "days"},
        {"number of checkpoint tasks", "Backup/Recovery", 1, 1, 8, true, "number"},
    };
    return parameters;
}

} // namespace sim
